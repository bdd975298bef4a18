// The keypad and edit commands: where each key types or inserts, in every
// focus case, the edit commands and the sign key.

#include "apptest.h"

#include "app/decimalpoint.h"
#include "app/selectionlineedit.h"
#include "app/variablegridview.h"
#include "engine/decimalseparator.h"

#include <QClipboard>
#include <QLineEdit>

using namespace quorvex;
using namespace quorvex::test;

namespace {

QAbstractButton *key(TF_Main_LSF &window, const QString &name) {
  auto *button = window.findChild<QAbstractButton *>(name);
  if (!button)
    qFatal("no button %s", qPrintable(name));
  return button;
}

void clickKeys(TF_Main_LSF &window, const QStringList &names) {
  for (const QString &name : names)
    click(key(window, name));
}

// Every key whose effect depends on the focus.
const QStringList focusKeys = {"Nr0btn",
                               "Nr5btn",
                               "Nr9btn",
                               "Nrptbtn",
                               "NrEbtn",
                               "ClearSelectionbtn",
                               "Operatoradditionbtn",
                               "Operatorsubtractionbtn",
                               "Operatormultiplicationbtn",
                               "Operatordivisionbtn",
                               "Operatorbracket1btn",
                               "Operatorbracket2btn",
                               "NrXbtn",
                               "NrRecipbtn",
                               "Plusminusbtn",
                               "Undobtn",
                               "CutToClipboardbtn",
                               "Pastebtn",
                               "ToolButton5",
                               "ToolButton7",
                               "ToolButton8",
                               "ToolButton12"};

} // namespace

class KeypadTest final : public QObject {
  Q_OBJECT

private slots:
  void cleanup() {
    setLocaleSource({});
    setDecimalSeparator('.');
  }

  void keysInTheFormulaBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("operator then digit")
        << "2" << 1 << 0 << QStringList{"Operatormultiplicationbtn", "Nr3btn"} << "2 * 3"
        << 5;
    QTest::newRow("each operator keeps its blanks")
        << "" << 0 << 0
        << QStringList{"Operatoradditionbtn", "Operatorsubtractionbtn",
                       "Operatordivisionbtn"}
        << " +  -  / " << 9;
    QTest::newRow("parenthesis replaces the selection")
        << "5.22 - 5.44E-4 * (x - 817)" << 18 << 7 << QStringList{"Operatorbracket1btn"}
        << "5.22 - 5.44E-4 * (()" << 19;
    QTest::newRow("1/X inserts text, not a reciprocal")
        << "y" << 0 << 1 << QStringList{"NrRecipbtn"} << "1/x" << 3;
    QTest::newRow("X is lower case")
        << "2*" << 2 << 0 << QStringList{"NrXbtn", "Operatorbracket2btn"} << "2*x)" << 4;
    QTest::newRow("digits, decimal key and E type")
        << "" << 0 << 0
        << QStringList{"Nr1btn", "Nrptbtn", "Nr5btn", "NrEbtn", "Operatorsubtractionbtn",
                       "Nr3btn"}
        << "1.5E - 3" << 8;
    QTest::newRow("typed digit replaces the selection")
        << "123" << 1 << 1 << QStringList{"Nr7btn"} << "173" << 2;
    QTest::newRow("Delete removes the character before the caret")
        << "123" << 2 << 0 << QStringList{"ClearSelectionbtn"} << "13" << 1;
    QTest::newRow("Delete removes the selection")
        << "12345" << 1 << 3 << QStringList{"ClearSelectionbtn"} << "15" << 1;
    QTest::newRow("Delete at the start does nothing")
        << "12" << 0 << 0 << QStringList{"ClearSelectionbtn"} << "12" << 0;
    QTest::newRow("toolbar Clear is Delete")
        << "12" << 2 << 0 << QStringList{"ToolButton12"} << "1" << 1;
  }
  void keysInTheFormulaBox() {
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QStringList, keys);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, text, selStart, selLength);
    clickKeys(window, keys);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), expected);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->cursorPosition(), caret);
    QVERIFY(!control<QLineEdit>(window, "Edit1")->hasSelectedText());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "Edit1"));
  }

  void keysInTheGridCellEditor_data() {
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("cell");
    QTest::newRow("digits") << QStringList{"Nr4btn", "Nr2btn"} << "242";
    QTest::newRow("decimal and E")
        << QStringList{"Nrptbtn", "Nr5btn", "NrEbtn", "Nr3btn"} << "2.5E3";
    QTest::newRow("Delete") << QStringList{"ClearSelectionbtn"} << "";
    QTest::newRow("insertion and edit keys do nothing")
        << QStringList{"Operatoradditionbtn",
                       "Operatorbracket1btn",
                       "NrXbtn",
                       "NrRecipbtn",
                       "Plusminusbtn",
                       "Undobtn",
                       "CutToClipboardbtn",
                       "Pastebtn",
                       "ToolButton5",
                       "ToolButton7",
                       "ToolButton8"}
        << "2";
  }
  void keysInTheGridCellEditor() {
    QFETCH(QStringList, keys);
    QFETCH(QString, cell);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QString formula = control<QLineEdit>(window, "Edit1")->text();
    QGuiApplication::clipboard()->setText("999");
    focus(control<VariableGridView>(window, "SG_Variables"));
    QLineEdit *editor =
        control<VariableGridView>(window, "SG_Variables")->focusedEditor();
    QVERIFY(editor);
    editor->setCursorPosition(static_cast<int>(editor->text().size()));
    clickKeys(window, keys);
    QCOMPARE(editor->text(), cell);
    QCOMPARE(window.Session().Grid().Cell(1, 1), cell.toStdString());
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), formula);
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->focusedEditor(), editor);
  }

  void keysWithoutATextBoxFocused_data() {
    QTest::addColumn<QString>("focused");
    QTest::newRow("Assign box") << "V_Q";
    QTest::newRow("result box") << "EditYValue";
    QTest::newRow("nothing") << "";
  }
  void keysWithoutATextBoxFocused() {
    QFETCH(QString, focused);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QGuiApplication::clipboard()->setText("999");
    if (focused.isEmpty()) {
      QApplication::focusWidget()->clearFocus();
      QCoreApplication::processEvents();
    } else {
      focus(window.findChild<QWidget *>(focused));
    }
    const QString formula = control<QLineEdit>(window, "Edit1")->text();
    for (const QString &name : focusKeys) {
      click(key(window, name));
      QVERIFY2(control<QLineEdit>(window, "Edit1")->text() == formula, qPrintable(name));
      QVERIFY2(control<QLineEdit>(window, "V_Q")->text() == "x", qPrintable(name));
      QVERIFY2(control<VariableGridView>(window, "SG_Variables")->item(1, 1)->text() ==
                   "2",
               qPrintable(name));
    }
    QCOMPARE(QGuiApplication::clipboard()->text(), "999");
  }

  void decimalKeyFollowsALocaleChange() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QCOMPARE(control<QAbstractButton>(window, "Nrptbtn")->text(), ".");
    setLocaleSource([] { return QLocale(QLocale::German, QLocale::Germany); });
    QEvent change(QEvent::LocaleChange);
    QCoreApplication::sendEvent(&window, &change);
    setFormula(window, "1", 1);
    clickKeys(window, {"Nrptbtn", "Nr5btn"});
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "1,5");
    QCOMPARE(control<QAbstractButton>(window, "Nrptbtn")->text(), ".");
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "1,5");
  }

  void undoRevertsTyping() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "7", 1);
    QTest::keyClicks(control<QLineEdit>(window, "Edit1"), "+12");
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "7+12");
    click(control<QAbstractButton>(window, "Undobtn"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "7");
    QTest::keyClicks(control<QLineEdit>(window, "Edit1"), "9");
    click(control<QAbstractButton>(window, "ToolButton8"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "7");
  }

  // Each insertion and each sign toggle is an undo step of its own, between
  // the typed changes before and after it.
  void insertionsAreUndoSteps() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    auto *edit1 = control<QLineEdit>(window, "Edit1");
    setFormula(window, "", 0);
    QTest::keyClick(edit1, Qt::Key_2);
    click(control<QAbstractButton>(window, "Operatormultiplicationbtn"));
    QTest::keyClick(edit1, Qt::Key_3);
    click(control<QAbstractButton>(window, "Plusminusbtn")); // caret at the end: nothing
    edit1->setCursorPosition(4);
    click(control<QAbstractButton>(window, "Plusminusbtn"));
    QCOMPARE(edit1->text(), "2 * -3");
    QStringList undone;
    for (int i = 0; i < 4; ++i) {
      click(control<QAbstractButton>(window, "Undobtn"));
      undone.append(edit1->text());
    }
    QCOMPARE(undone, QStringList({"2 * 3", "2 * ", "2", ""}));
  }

  void cutAndPaste_data() {
    QTest::addColumn<QString>("cut");
    QTest::addColumn<QString>("paste");
    QTest::newRow("keypad") << "CutToClipboardbtn"
                            << "Pastebtn";
    QTest::newRow("toolbar") << "ToolButton5"
                             << "ToolButton7";
  }
  void cutAndPaste() {
    QFETCH(QString, cut);
    QFETCH(QString, paste);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText("kept");
    setFormula(window, "sin(x) + 1", 3);
    click(key(window, cut)); // nothing selected: nothing happens
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "sin(x) + 1");
    QCOMPARE(clipboard->text(), "kept");
    control<QLineEdit>(window, "Edit1")->setSelection(0, 6);
    click(key(window, cut));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), " + 1");
    QCOMPARE(clipboard->text(), "sin(x)");
    control<QLineEdit>(window, "Edit1")->setCursorPosition(4);
    click(key(window, paste));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), " + 1sin(x)");
    control<QLineEdit>(window, "Edit1")->setSelection(0, 4);
    click(key(window, paste));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "sin(x)sin(x)");
  }

  void copyTakesTheWholeResult_data() {
    QTest::addColumn<QString>("copy");
    QTest::newRow("keypad") << "Copybtn";
    QTest::newRow("toolbar") << "ToolButton6";
  }
  void copyTakesTheWholeResult() {
    QFETCH(QString, copy);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText("kept");
    click(key(window, copy)); // empty result: the clipboard keeps its text
    QCOMPARE(clipboard->text(), "kept");
    focus(control<QLineEdit>(window, "V_Q")); // Copy works whatever has the focus
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    control<QLineEdit>(window, "EditYValue")->setSelection(1, 2);
    click(key(window, copy));
    QCOMPARE(clipboard->text(), "5.66336");
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->selectedText(), "5.66336");
  }

  void signKey_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("selStart");
    QTest::addColumn<int>("selLength");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("caret");
    QTest::newRow("selected sign") << '.' << "5 - 3" << 2 << 1 << "5 + 3" << 3;
    QTest::newRow("number without sign") << '.' << "2 * 15" << 4 << 0 << "2 * -15" << 5;
    QTest::newRow("inside a signed number") << '.' << "x + 12" << 5 << 0 << "x - 12" << 5;
    QTest::newRow("before the decimal point") << '.' << "0.5" << 1 << 0 << "-0.5" << 2;
    QTest::newRow("before a sign and digit") << '.' << "5 -3" << 2 << 0 << "5 +3" << 2;
    QTest::newRow("exponent") << '.' << "2.0E3" << 4 << 0 << "2.0E-3" << 5;
    QTest::newRow("exponent sign") << '.' << "2.0E-3" << 5 << 0 << "2.0E+3" << 5;
    QTest::newRow("caret at the end") << '.' << "12" << 2 << 0 << "12" << 2;
    QTest::newRow("longer selection") << '.' << "x*12" << 2 << 2 << "x*-12" << 3;
    QTest::newRow("tabs and blanks") << '.' << "7 -\t  4" << 6 << 0 << "7 +\t  4" << 6;
    QTest::newRow("comma locale splits at a point")
        << ',' << "1.5" << 2 << 0 << "1.-5" << 3;
    QTest::newRow("comma locale number") << ',' << "1,5" << 2 << 0 << "-1,5" << 3;
  }
  void signKey() {
    QFETCH(char, separator);
    QFETCH(QString, text);
    QFETCH(int, selStart);
    QFETCH(int, selLength);
    QFETCH(QString, expected);
    QFETCH(int, caret);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setDecimalSeparator(separator);
    setFormula(window, text, selStart, selLength);
    click(control<QAbstractButton>(window, "Plusminusbtn"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), expected);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->cursorPosition(), caret);
    if (expected != text)
      QVERIFY(!control<QLineEdit>(window, "Edit1")->hasSelectedText());
  }

  void signKeyRepeats() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "5", 0);
    QStringList seen;
    for (int i = 0; i < 3; ++i) {
      click(control<QAbstractButton>(window, "Plusminusbtn"));
      seen.append(control<QLineEdit>(window, "Edit1")->text());
    }
    QCOMPARE(seen, QStringList({"-5", "+5", "-5"}));
  }

  void selectionSurvivesLeavingTheFormulaBox() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "abc + def", 6, 3);
    QTest::keyClick(control<QLineEdit>(window, "Edit1"), Qt::Key_Tab);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->selectedText(), "def");
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "Edit1"));
    QCOMPARE(control<QLineEdit>(window, "Edit1")->selectedText(), "def");
  }
};

QUORVEX_TEST_MAIN(KeypadTest)
#include "keypad_test.moc"
