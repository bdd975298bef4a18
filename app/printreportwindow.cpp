#include "printreportwindow.h"

#include "errorreport.h"

#include <QAbstractTextDocumentLayout>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace quorvex {
namespace {

constexpr int reportWidth = 638;
constexpr int reportHeight = 279;
constexpr int panelWidth = 105;

QPushButton *panelButton(const QString &caption, const char *name, QWidget *panel) {
  auto *button = new QPushButton(caption, panel);
  button->setObjectName(QLatin1String(name));
  button->setMinimumSize(90, 25);
  button->setAutoDefault(false);
  return button;
}

// Native output needs a named printer and file output a file name; without
// either there is nowhere to send the job.
bool hasDestination(const QPrinter &printer) {
  if (printer.outputFormat() == QPrinter::PdfFormat)
    return !printer.outputFileName().isEmpty();
  return !printer.printerName().isEmpty();
}

} // namespace

TTextPrintForm::TTextPrintForm(QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("TextPrintForm"));
  setWindowTitle(tr("Print report"));
  setModal(true);
  QFont windowFont = font();
  windowFont.setPointSize(8);
  setFont(windowFont);

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setAccessibleName(tr("Report"));
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);

  auto *panel = new QWidget(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  //: Button in a column 90 pixels wide; about 14 characters fit before the window
  //: widens
  QPushButton *setupButton = panelButton(tr("Printer &Setup"), "Button3", panel);
  QPushButton *printButton = panelButton(tr("&Print"), "Button1", panel);
  QPushButton *closeButton = panelButton(tr("&Close"), "Button2", panel);
  auto *buttons = new QVBoxLayout(panel);
  buttons->setContentsMargins(8, 8, 7, 8);
  buttons->setSpacing(5);
  buttons->addWidget(setupButton);
  buttons->addWidget(printButton);
  buttons->addWidget(closeButton);
  buttons->addStretch();
  panel->setMinimumWidth(panelWidth);

  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(RichEdit1, 1);
  layout->addWidget(panel);

  connect(setupButton, &QPushButton::clicked, this,
          [this] { runAction([this] { Button3Click(); }); });
  connect(printButton, &QPushButton::clicked, this,
          [this] { runAction([this] { Button1Click(); }); });
  connect(closeButton, &QPushButton::clicked, this,
          [this] { runAction([this] { Button2Click(); }); });

  // Never smaller than the designed size, wider if the platform's font needs
  // it to show every caption whole.
  setFixedSize(layout->minimumSize().expandedTo(QSize(reportWidth, reportHeight)));
}

TTextPrintForm::~TTextPrintForm() = default;

void TTextPrintForm::SetReport(const QStringList &lines) {
  RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TTextPrintForm::ReportText() const {
  return RichEdit1->toPlainText();
}

void TTextPrintForm::Button3Click() {
  QPrintDialog dialog(FPrinter.get(), this);
  // Here the dialog only chooses the printer; printing is the window's own
  // Print button, so its accept button must not promise to print.
  if (auto *box = dialog.findChild<QDialogButtonBox *>()) {
    if (QPushButton *accept = box->button(QDialogButtonBox::Ok))
      accept->setText(tr("OK"));
  }
  dialog.exec();
}

void TTextPrintForm::Button1Click() {
  if (!hasDestination(*FPrinter))
    throw EPrintError(tr("There is no default printer currently selected").toStdString());
  // The printing layer only warns on the console when it cannot create the
  // output file, so that failure is found out here to be reported.
  if (FPrinter->outputFormat() == QPrinter::PdfFormat) {
    QFile probe(FPrinter->outputFileName());
    if (!probe.open(QIODevice::WriteOnly))
      throw EPrintError(tr("Cannot create the file %1: %2")
                            .arg(FPrinter->outputFileName(), probe.errorString())
                            .toStdString());
  }
  // The job's name goes to the printing system with the report's text, which
  // is English.
  FPrinter->setDocName(QStringLiteral("Report"));
  FPrinter->setFullPage(false);

  // The document is laid out on the printer itself, over its whole printable
  // area and with no margin of its own, so each page holds what fits.
  QTextDocument document;
  document.setDefaultFont(RichEdit1->font());
  document.documentLayout()->setPaintDevice(FPrinter.get());
  document.setDocumentMargin(0);
  document.setPlainText(RichEdit1->toPlainText());
  document.setPageSize(QSizeF(FPrinter->width(), FPrinter->height()));
  document.print(FPrinter.get());
  if (FPrinter->printerState() == QPrinter::Error)
    throw EPrintError(tr("The printer refused the print job").toStdString());
}

void TTextPrintForm::Button2Click() {
  close();
}

void TTextPrintForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TTextPrintForm::FormClose() {
  RichEdit1->clear();
}

} // namespace quorvex
