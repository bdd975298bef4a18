#include "apptest.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

#include <algorithm>
#include <cmath>

// The program in the language its environment asks for (ctest starts this
// test once per language, QUORVEX_EXPECT_LANGUAGE naming it, empty for
// English): the language chosen, a menu and an error report in it, Qt's own
// dialogs in it too, and every text of every window within its widget.

using namespace quorvex;
using namespace quorvex::test;

namespace {

QString expectedLanguage() {
  return qEnvironmentVariable("QUORVEX_EXPECT_LANGUAGE");
}

// What a user reads in each language: rows of language, English, shown.
struct Seen {
  const char *language;
  const char *english;
  const char *shown;
};
const Seen seen[] = {
    {"", "&File", "&File"},
    {"de", "&File", "&Datei"},
    {"fr", "&File", "&Fichier"},
    {"es", "&File", "&Archivo"},
    {"", "Cancel", "Cancel"},
    {"de", "Cancel", "Abbrechen"},
    {"fr", "Cancel", "Annuler"},
    {"es", "Cancel", "Cancelar"},
    // clang-format off
    {"", "Floating point division by zero.", "Floating point division by zero."},
    {"de", "Floating point division by zero.", "Gleitkommadivision durch null."},
    {"fr", "Floating point division by zero.", "Division par zéro en virgule flottante."},
    {"es", "Floating point division by zero.", "División por cero de coma flotante."},
    {"", "Parse error: Unknown symbol: 'qux'", "Parse error: Unknown symbol: 'qux'"},
    {"de", "Parse error: Unknown symbol: 'qux'", "Syntaxfehler: Unbekanntes Symbol: 'qux'"},
    {"fr", "Parse error: Unknown symbol: 'qux'", "Erreur de syntaxe\u00a0: symbole inconnu\u00a0: 'qux'"},
    {"es", "Parse error: Unknown symbol: 'qux'", "Error de sintaxis: símbolo desconocido: 'qux'"},
    {"", "'%1z' is not a valid floating point value.", "'%1z' is not a valid floating point value."},
    {"de", "'%1z' is not a valid floating point value.", "'%1z' ist kein gültiger Gleitkommawert."},
    {"fr", "'%1z' is not a valid floating point value.", "'%1z' n'est pas une valeur à virgule flottante valide."},
    {"es", "'%1z' is not a valid floating point value.", "'%1z' no es un valor de coma flotante válido."},
    // clang-format on
};

QString shown(const char *english) {
  for (const Seen &row : seen)
    if (expectedLanguage() == QLatin1String(row.language) &&
        qstrcmp(row.english, english) == 0)
      return QString::fromUtf8(row.shown);
  return {};
}

// The caption without its mnemonic's "&" and as one line.
QString plain(QString text) {
  return text.replace(QLatin1String("&&"), QLatin1String("\x01"))
      .remove(QLatin1Char('&'))
      .replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// The contrast ratio of a widget's text on its ground, as the readability
// guidelines measure it: 1 for none, 21 for black on white.
double contrastOf(const QWidget &widget) {
  const auto luminance = [](const QColor &c) {
    const auto channel = [](double v) {
      return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
           0.0722 * channel(c.blueF());
  };
  const double text = luminance(widget.palette().color(widget.foregroundRole()));
  const double ground = luminance(widget.palette().color(widget.backgroundRole()));
  return (std::max(text, ground) + 0.05) / (std::min(text, ground) + 0.05);
}

// Each shown caption of window that needs more room than its widget has,
// or that stands out too little from its ground.
void findCutTexts(const QWidget &window, QStringList &cut) {
  for (const QWidget *widget : window.findChildren<QWidget *>()) {
    if (!widget->isVisibleTo(&window) || widget->window() != &window)
      continue;
    if (widget->isEnabled() && contrastOf(*widget) < 4.5)
      cut.append(window.objectName() + ": " + widget->objectName() + " low contrast");
    const QFontMetrics metrics(widget->font());
    QString text;
    int room = 0;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
      text = plain(button->text());
      // The icon and the frame take their part of a button.
      room = button->contentsRect().width() - (button->icon().isNull() || text.isEmpty()
                                                   ? 0
                                                   : button->iconSize().width() + 4);
      if (!text.isEmpty() && button->sizeHint().width() > button->width() &&
          metrics.horizontalAdvance(text) > room)
        cut.append(window.objectName() + ": " + text);
      continue;
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget);
        label && !label->wordWrap() && label->textFormat() != Qt::RichText) {
      text = plain(label->text());
      room = label->contentsRect().width();
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
      text = plain(group->title());
      room = group->width() - 16;
    }
    if (!text.isEmpty() && !text.contains(QLatin1Char('\n')) &&
        metrics.horizontalAdvance(text) > room)
      cut.append(window.objectName() + ": " + text);
  }
}

} // namespace

class LanguageTest final : public QObject {
  Q_OBJECT

private slots:
  void initTestCase() {
    // The texts are measured in the font the package depends on, at the
    // size the desktop sets for low vision where the run asks for it, and
    // in the high-contrast palette if asked.
    const double scale = qEnvironmentVariable("QUORVEX_TEST_FONT_SCALE", "1").toDouble();
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), qRound(9 * scale)));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
    if (qEnvironmentVariableIsSet("QUORVEX_TEST_HIGH_CONTRAST")) {
      QPalette contrast;
      for (const QPalette::ColorRole ground :
           {QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase})
        contrast.setColor(ground, Qt::black);
      for (const QPalette::ColorRole text : {QPalette::WindowText, QPalette::Text,
                                             QPalette::ButtonText, QPalette::BrightText})
        contrast.setColor(text, Qt::white);
      QApplication::setPalette(contrast);
    }
  }

  void speaksTheLanguageOfTheLocale() {
    const auto *application =
        qobject_cast<QuorvexApplication *>(QCoreApplication::instance());
    QCOMPARE(application->language(), expectedLanguage());
  }

  void menusAndTheToolkitsDialogsAreInIt() {
    auto program = startProgram();
    QCOMPARE(program->mainWindow().menuBar()->actions().first()->text(), shown("&File"));
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    QCOMPARE(box.button(QDialogButtonBox::Cancel)->text(), shown("Cancel"));
  }

  // The message made from its template in the language, the user's own
  // text quoted in it as typed, a "%1" in it too.
  void errorReportsAreInIt() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    ReportCapture reports;
    for (const char *formula : {"1/0", "2*qux"}) {
      setFormula(window, QString::fromLatin1(formula), 0);
      click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    }
    setValue(window, QStringLiteral("%1z"));
    setFormula(window, QStringLiteral("x"), 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reports.messages,
             QStringList({shown("Floating point division by zero."),
                          shown("Parse error: Unknown symbol: 'qux'"),
                          shown("'%1z' is not a valid floating point value.")}));
  }

  void everyTextFitsItsWidget() {
    auto program = startProgram();
    const TF_Main_LSF &window = program->mainWindow();
    const QList<QWidget *> windows = openEveryWindow(*program);
    QStringList cut;
    for (QWidget *w : windows) {
      QVERIFY(QTest::qWaitForWindowExposed(w, waitBudgetMs()));
      findCutTexts(*w, cut);
    }
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
    // The fixed window's menu bar stays one row.
    const QMenuBar *bar = window.menuBar();
    for (QAction *title : bar->actions())
      QCOMPARE(bar->actionGeometry(title).top(),
               bar->actionGeometry(bar->actions().first()).top());
    program->printForm().close();
  }
};

QUORVEX_TEST_MAIN(LanguageTest)
#include "language_test.moc"
