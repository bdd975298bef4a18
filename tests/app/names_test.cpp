// Finding names while typing a formula, by keys alone: the completion
// list, the hint of the call's arguments, the parentheses marked, the note
// on a function that failed, and the functions and constants window.

#include "apptest.h"

#include "app/completionpopup.h"
#include "app/formulahint.h"
#include "app/formulalineedit.h"
#include "app/functionswindow.h"

#include <QRegularExpression>

using namespace quorvex;
using namespace quorvex::test;

namespace {

FormulaLineEdit *edit1(TF_Main_LSF &window) {
  return control<FormulaLineEdit>(window, "Edit1");
}
CompletionPopup *completion(TF_Main_LSF &window) {
  return control<CompletionPopup>(window, "completionPopup");
}
FormulaHint *hint(TF_Main_LSF &window) {
  return control<FormulaHint>(window, "formulaHint");
}

// Declares the variables as typed into the Assign box and applied.
void declare(TF_Main_LSF &window, const QString &assign) {
  auto *box = control<QLineEdit>(window, "V_Q");
  focus(box);
  box->setText(assign);
  QTest::keyClick(box, Qt::Key_Return);
}

QStringList shownNames(CompletionPopup *popup) {
  QStringList names;
  for (int row = 0; row < popup->count(); ++row)
    names << QString::fromUtf8(popup->name(row).name.data(),
                               qsizetype(popup->name(row).name.size()));
  return names;
}

} // namespace

class NamesTest final : public QObject {
  Q_OBJECT

private slots:
  // typed, then `back` times Left, Ctrl+Space when `open`, then the keys.
  void completionByKeys_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("back");
    QTest::addColumn<bool>("open");
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<int>("caret");
    const int tab = Qt::Key_Tab, down = Qt::Key_Down, up = Qt::Key_Up,
              enter = Qt::Key_Return;
    QTest::newRow("Tab takes the first: a function")
        << "2*sq" << 0 << false << QList{tab} << "2*sqrt()" << 7;
    QTest::newRow("Tab takes the first: a constant")
        << "cbrtp" << 0 << false << QList{tab} << "cbrtPi" << 6;
    QTest::newRow("Down, Down, Enter: the second")
        << "arcsi" << 0 << false << QList{down, down, enter} << "arcsinh()" << 8;
    QTest::newRow("Down, Down, Up, Tab: the first")
        << "arcsi" << 0 << false << QList{down, down, up, tab} << "arcsin()" << 7;
    QTest::newRow("a call keeps its parenthesis")
        << "sq(4)" << 3 << true << QList{tab} << "sqrt(4)" << 5;
    QTest::newRow("one letter opens nothing: Tab leaves")
        << "s" << 0 << false << QList{tab} << "s" << 1;
  }
  void completionByKeys() {
    QFETCH(QString, typed);
    QFETCH(int, back);
    QFETCH(bool, open);
    QFETCH(QList<int>, keys);
    QFETCH(QString, formula);
    QFETCH(int, caret);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "", 0);
    QTest::keyClicks(edit1(window), typed);
    for (int i = 0; i < back; ++i)
      QTest::keyClick(edit1(window), Qt::Key_Left);
    if (open)
      QTest::keyClick(edit1(window), Qt::Key_Space, Qt::ControlModifier);
    for (const int key : keys)
      QTest::keyClick(edit1(window), Qt::Key(key));
    QCOMPARE(edit1(window)->text(), formula);
    QCOMPARE(edit1(window)->cursorPosition(), caret);
    QCOMPARE(QApplication::focusWidget() == edit1(window), typed != "s");
    QVERIFY(!completion(window)->isVisible());
  }

  void ctrlSpaceListsVariablesFirst() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    declare(window, "sin;sa;x");
    setFormula(window, "1+s", 3);
    QTest::keyClick(edit1(window), Qt::Key_Space, Qt::ControlModifier);
    QVERIFY(completion(window)->isVisible());
    const QStringList names = shownNames(completion(window));
    // The variable sin hides the function of that name.
    QCOMPARE(names.mid(0, 2), (QStringList{"sa", "sin"}));
    QVERIFY(completion(window)->name(2).kind == FormulaNames::Kind::Function);
    QCOMPARE(names.count("sin"), 1);
    QCOMPARE(completion(window)->lineText(0), "sa 2 variable");
    QCOMPARE(QApplication::focusWidget(), edit1(window));
    QTest::keyClicks(edit1(window), "q");
    const QStringList narrowed = shownNames(completion(window));
    QCOMPARE(narrowed.front(), "sqrt");
    QCOMPARE(narrowed.filter(QRegularExpression("^sq")), narrowed);
    QTest::keyClick(edit1(window), Qt::Key_Escape);
    QVERIFY(!completion(window)->isVisible());
    QCOMPARE(edit1(window)->text(), "1+sq");
  }

  // While the list is not entered, Enter, Up and Down keep their meanings.
  void keysKeepTheirMeaningsOutsideTheList() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    ReportCapture reports;
    setFormula(window, "2*3", 3);
    QTest::keyClick(edit1(window), Qt::Key_F9);
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "6");
    setFormula(window, "", 0);
    QTest::keyClicks(edit1(window), "pi");
    QVERIFY(completion(window)->isVisible());
    QTest::keyClick(edit1(window), Qt::Key_Return);
    QCOMPARE(edit1(window)->text(), "pi");
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), QString());
    QVERIFY(!completion(window)->isVisible());
    QTest::keyClicks(edit1(window), "o");
    QVERIFY(completion(window)->isVisible());
    QTest::keyClick(edit1(window), Qt::Key_Up);
    QCOMPARE(edit1(window)->text(), "2*3");
    QCOMPARE(reports.messages, QStringList());
  }

  void hintFollowsTheCaret_data() {
    QTest::addColumn<int>("caret");
    QTest::addColumn<QString>("shown");
    const QString first =
        "power(x; z), argument 1. Domain: x > 0; x = 0 and z >= 0; x < 0 "
        "and whole z";
    QString second = first;
    second.replace("argument 1", "argument 2");
    QTest::newRow("before the name") << 0 << QString();
    QTest::newRow("in the name") << 3 << QString();
    QTest::newRow("after the parenthesis") << 6 << first;
    QTest::newRow("after the semicolon") << 8 << second;
    QTest::newRow("in the grouping parentheses") << 11 << second;
    QTest::newRow("before the last parenthesis") << 13 << second;
    QTest::newRow("after the call") << 14 << QString();
  }
  void hintFollowsTheCaret() {
    QFETCH(int, caret);
    QFETCH(QString, shown);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "power(x;(1+y))", 14);
    for (int at = 14; at > caret; --at)
      QTest::keyClick(edit1(window), Qt::Key_Left);
    QCOMPARE(hint(window)->isVisible(), !shown.isEmpty());
    if (!shown.isEmpty())
      QCOMPARE(hint(window)->plainText(), shown);
    QCOMPARE(QApplication::focusWidget(), edit1(window));
  }

  void parenthesesAreMarked() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, QString::fromUtf8("(\xF0\x9D\x9C\x8B+(2)"), 7);
    QCOMPARE(edit1(window)->matchingParentheses(), (QList<int>{6, 4}));
    QCOMPARE(edit1(window)->unmatchedParentheses(), QList<int>{0});
  }

  void failedFunctionIsNamed_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("report");
    QTest::addColumn<QString>("note");
    QTest::newRow("outside the domain") << "arcsin(x)"
                                        << "Domain check failure in Kerrowin."
                                        << "arcsin(2): outside the domain |x| <= 1";
    QTest::newRow("power's own refusal")
        << "power(0;0-1)"
        << "Power function: Result is infinite."
        << "power(0; -1): the result is infinite, outside the domain x > 0; x = 0 and z "
           ">= 0; x < 0 and whole z";
    QTest::newRow("a fault inside the domain")
        << "exp(710)"
        << "Floating point overflow."
        << "exp(710): Floating point overflow; its domain: x up to about 709.78";
    QTest::newRow("an operator's fault names no function")
        << "1/(x-2)"
        << "Floating point division by zero." << QString();
  }
  void failedFunctionIsNamed() {
    QFETCH(QString, formula);
    QFETCH(QString, report);
    QFETCH(QString, note);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, formula, 0);
    ReportCapture reports;
    QTest::keyClick(edit1(window), Qt::Key_F9);
    QCOMPARE(reports.messages, QStringList{report});
    QCOMPARE(hint(window)->isVisible(), !note.isEmpty());
    if (!note.isEmpty())
      QCOMPARE(hint(window)->plainText(), note);
  }

  void windowFindsAndInserts() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    declare(window, "x;rate");
    setFormula(window, "2*(x)", 2, 3); // "(x)" selected
    QTest::keyClick(edit1(window), Qt::Key_L, Qt::ControlModifier);
    auto *functions = control<FunctionsWindow>(window, "functionsWindow");
    // Offscreen, only the test can activate a window, as a window system would.
    QApplication::setActiveWindow(functions);
    QVERIFY(QTest::qWaitForWindowActive(functions));
    // Going to the window left the formula box: the result was cleared.
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), QString());
    auto *search = control<QLineEdit>(*functions, "searchEdit");
    QCOMPARE(QApplication::focusWidget(), search);
    QTest::keyClicks(search, "inverse hyperbolic");
    QVERIFY(functions->shownNames().contains("arcsinh"));
    QVERIFY(!functions->shownNames().contains("sinh"));
    functions->search("declared");
    QCOMPARE(functions->shownNames(), (QStringList{"x", "rate"}));
    functions->search("arcsinh");
    QTest::keyClick(search, Qt::Key_Return);
    QCOMPARE(window.focusWidget(), edit1(window));
    QApplication::setActiveWindow(&window);
    QCOMPARE(QApplication::focusWidget(), edit1(window));
    QCOMPARE(edit1(window)->text(), "2*arcsinh()");
    QCOMPARE(edit1(window)->cursorPosition(), 10);
  }
};

QUORVEX_TEST_MAIN(NamesTest)
#include "names_test.moc"
