#include "apptest.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

// The program in the language its environment asks for (ctest starts this
// test once per locale, QUORVEX_EXPECT_LANGUAGE naming the language, empty
// for English): the language chosen, a menu, Qt's own dialogs and an error
// report in it, and every text of every window within its widget.

using namespace quorvex;
using namespace quorvex::test;

namespace {

QString expectedLanguage() {
  return qEnvironmentVariable("QUORVEX_EXPECT_LANGUAGE");
}

// What a user reads in each language: the File menu, Qt's Cancel, and the
// report of a value "%1z", whose "%1" is the user's and stays as typed.
struct Seen {
  const char *language, *fileMenu, *cancel, *report;
};
const Seen seen[] = {
    {"", "&File", "Cancel", "'%1z' is not a valid floating point value."},
    {"de", "&Datei", "Abbrechen", "'%1z' ist kein gültiger Gleitkommawert."},
    {"fr", "&Fichier", "Annuler",
     "'%1z' n'est pas une valeur à virgule flottante valide."},
    {"es", "&Archivo", "Cancelar", "'%1z' no es un valor de coma flotante válido."},
};

// Text on ground as the readability guidelines measure it: 1 for none, 21
// for black on white.
double contrastOf(const QWidget &widget) {
  const auto luminance = [](const QColor &c) {
    double sum = 0;
    for (const auto &[v, weight] : {std::pair<double, double>{c.redF(), 0.2126},
                                    {c.greenF(), 0.7152},
                                    {c.blueF(), 0.0722}})
      sum += weight * (v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4));
    return sum;
  };
  const double text = luminance(widget.palette().color(widget.foregroundRole()));
  const double ground = luminance(widget.palette().color(widget.backgroundRole()));
  return (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05);
}

// Each shown caption of window that needs more room than its widget has,
// and each enabled widget whose text stands out too little from its ground.
void findCutTexts(const QWidget &window, QStringList &cut) {
  for (const QWidget *widget : window.findChildren<QWidget *>()) {
    if (!widget->isVisibleTo(&window) || widget->window() != &window)
      continue;
    if (widget->isEnabled() && contrastOf(*widget) < 4.5)
      cut.append(window.objectName() + ": " + widget->objectName() + " low contrast");
    QString text;
    int room = 0;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
      // The icon and the frame take their part of a button, which may
      // also be wider than its text needs.
      text = button->sizeHint().width() > button->width() ? button->text() : QString();
      room = button->contentsRect().width() -
             (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
    } else if (const auto *label = qobject_cast<const QLabel *>(widget);
               label && !label->wordWrap() && label->textFormat() != Qt::RichText) {
      text = label->text();
      room = label->contentsRect().width();
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
      text = group->title();
      room = group->width() - 16;
    }
    text.remove(QLatin1Char('&'));
    if (!text.isEmpty() && !text.contains(QLatin1Char('\n')) &&
        widget->fontMetrics().horizontalAdvance(text) > room)
      cut.append(window.objectName() + ": " + text);
  }
}

} // namespace

class LanguageTest final : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    // The texts are measured in the font the package depends on, half as
    // large again for low vision and in white on black where the run asks.
    const double scale = qEnvironmentVariable("QUORVEX_TEST_FONT_SCALE", "1").toDouble();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), qRound(9 * scale)));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
    if (qEnvironmentVariableIsSet("QUORVEX_TEST_HIGH_CONTRAST"))
      QApplication::setPalette(QPalette(Qt::white, Qt::black, Qt::gray, Qt::black,
                                        Qt::black, Qt::white, Qt::white, Qt::black,
                                        Qt::black));
  }

  void menusDialogsAndReportsAreInIt() {
    const auto *application =
        qobject_cast<QuorvexApplication *>(QCoreApplication::instance());
    QCOMPARE(application->language(), expectedLanguage());
    const Seen &words =
        *std::find_if(std::begin(seen), std::end(seen), [](const Seen &s) {
          return expectedLanguage() == QLatin1String(s.language);
        });
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QCOMPARE(window.menuBar()->actions().first()->text(),
             QString::fromUtf8(words.fileMenu));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(),
             QString::fromUtf8(words.cancel));
    ReportCapture reports;
    setValue(window, QStringLiteral("%1z"));
    setFormula(window, QStringLiteral("x"), 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reports.messages, QStringList(QString::fromUtf8(words.report)));
  }

  void everyTextFitsItsWidget() {
    auto program = startProgram();
    QStringList cut;
    for (QWidget *w : openEveryWindow(*program)) {
      QVERIFY(QTest::qWaitForWindowExposed(w, waitBudgetMs()));
      findCutTexts(*w, cut);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    // The fixed window's menu bar stays one row.
    const QMenuBar *bar = program->mainWindow().menuBar();
    for (QAction *title : bar->actions())
      QCOMPARE(bar->actionGeometry(title).top(),
               bar->actionGeometry(bar->actions()[0]).top());
    program->printForm().close();
  }
};

QUORVEX_TEST_MAIN(LanguageTest)
#include "language_test.moc"
