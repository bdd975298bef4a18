#include "apptest.h"

#include "app/plotwindow.h"

#include <QDialogButtonBox>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>

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

// Each shown caption of window that needs more room than its widget has.
void findCutTexts(const QWidget &window, QStringList &cut) {
  for (const QWidget *widget : window.findChildren<QWidget *>()) {
    if (!widget->isVisibleTo(&window) || widget->window() != &window)
      continue;
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
    // The texts are measured in the font the package depends on.
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
    QCOMPARE(QFontInfo(QApplication::font()).family(), QStringLiteral("DejaVu Sans"));
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
    TF_Main_LSF &window = program->mainWindow();
    control<QAction>(window, "plotAction")->trigger();
    control<QAction>(window, "allFormatsAction")->trigger();
    control<QAction>(window, "functionsAction")->trigger();
    program->helperForm().show();
    program->printForm().setModal(false);
    program->printForm().show();
    QWidget *windows[] = {&window,
                          control<PlotWindow>(window, "plotWindow"),
                          control<QWidget>(window, "resultFormatsWindow"),
                          control<QWidget>(window, "functionsWindow"),
                          &program->printForm(),
                          &program->helperForm()};
    QStringList cut;
    for (QWidget *w : windows) {
      QVERIFY(QTest::qWaitForWindowExposed(w, waitBudgetMs()));
      findCutTexts(*w, cut);
    }
    QCOMPARE(cut, QStringList());
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
