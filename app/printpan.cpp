#include "printpan.h"

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

constexpr int ReportWidth = 638;
constexpr int ReportHeight = 279;
constexpr int PanelWidth = 105;

QPushButton *panelButton(const QString &caption, const char *name,
                         QWidget *panel) {
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
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
  setObjectName(QStringLiteral("TextPrintForm"));
  setWindowTitle(QStringLiteral("Print report"));
  setModal(true);
  QFont windowFont = font();
  windowFont.setPointSize(8);
  setFont(windowFont);

  RichEdit1 = new QTextEdit(this);
  RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
  RichEdit1->setAcceptRichText(false);
  RichEdit1->setLineWrapMode(QTextEdit::NoWrap);

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Button3 = panelButton(QStringLiteral("Printer &Setup"), "Button3", Panel1);
  Button1 = panelButton(QStringLiteral("&Print"), "Button1", Panel1);
  Button2 = panelButton(QStringLiteral("&Close"), "Button2", Panel1);
  auto *buttons = new QVBoxLayout(Panel1);
  buttons->setContentsMargins(8, 8, 7, 8);
  buttons->setSpacing(5);
  buttons->addWidget(Button3);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  buttons->addStretch();
  Panel1->setMinimumWidth(PanelWidth);

  auto *layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(RichEdit1, 1);
  layout->addWidget(Panel1);

  connect(Button3, &QPushButton::clicked, this,
          [this] { runAction([this] { Button3Click(); }); });
  connect(Button1, &QPushButton::clicked, this,
          [this] { runAction([this] { Button1Click(); }); });
  connect(Button2, &QPushButton::clicked, this,
          [this] { runAction([this] { Button2Click(); }); });

  // Never smaller than the designed size, wider if the platform's font needs
  // it to show every caption whole.
  setFixedSize(layout->minimumSize().expandedTo(QSize(ReportWidth, ReportHeight)));
}

TTextPrintForm::~TTextPrintForm() = default;

void TTextPrintForm::setReport(const QStringList &lines) {
  RichEdit1->setPlainText(lines.join(QLatin1Char('\n')));
}

QString TTextPrintForm::reportText() const { return RichEdit1->toPlainText(); }

void TTextPrintForm::Button3Click() {
  QPrintDialog dialog(printer_.get(), this);
  // Here the dialog only chooses the printer; printing is the window's own
  // Print button, so its accept button must not promise to print.
  if (auto *box = dialog.findChild<QDialogButtonBox *>()) {
    if (QPushButton *accept = box->button(QDialogButtonBox::Ok))
      accept->setText(tr("OK"));
  }
  dialog.exec();
}

void TTextPrintForm::Button1Click() {
  if (!hasDestination(*printer_))
    throw EPrintError("There is no default printer currently selected");
  // The printing layer only warns on the console when it cannot create the
  // output file, so that failure is found out here to be reported.
  if (printer_->outputFormat() == QPrinter::PdfFormat) {
    QFile probe(printer_->outputFileName());
    if (!probe.open(QIODevice::WriteOnly))
      throw EPrintError("Cannot create the file " +
                        printer_->outputFileName().toStdString() + ": " +
                        probe.errorString().toStdString());
  }
  printer_->setDocName(QStringLiteral("Report"));
  printer_->setFullPage(false);

  // The document is laid out on the printer itself, over its whole printable
  // area and with no margin of its own, so each page holds what fits.
  QTextDocument document;
  document.setDefaultFont(RichEdit1->font());
  document.documentLayout()->setPaintDevice(printer_.get());
  document.setDocumentMargin(0);
  document.setPlainText(RichEdit1->toPlainText());
  document.setPageSize(QSizeF(printer_->width(), printer_->height()));
  document.print(printer_.get());
  if (printer_->printerState() == QPrinter::Error)
    throw EPrintError("The printer refused the print job");
}

void TTextPrintForm::Button2Click() { close(); }

void TTextPrintForm::done(int result) {
  FormClose();
  QDialog::done(result);
}

void TTextPrintForm::FormClose() { RichEdit1->clear(); }

} // namespace quorvex
