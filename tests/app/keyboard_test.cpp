// Driving the main window from the keyboard, and what it says beside the
// result: Compute keys, Alt, the ignored text, errors that point at their
// place, the formula history and the stale result.

#include "apptest.h"

#include "app/formulalineedit.h"
#include "app/variablegridview.h"

#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QStatusBar>
#include <QStyleHints>

using namespace quorvex;
using namespace quorvex::test;

namespace {

QLineEdit *edit1(TF_Main_LSF &window) {
  return control<QLineEdit>(window, "Edit1");
}
QLineEdit *result(TF_Main_LSF &window) {
  return control<QLineEdit>(window, "EditYValue");
}

// Opens the cell editor of grid row `row` and types into it.
QLineEdit *typeIntoCell(TF_Main_LSF &window, int row, const QString &text) {
  auto *grid = control<VariableGridView>(window, "SG_Variables");
  focus(grid);
  grid->setCurrentCell(row, 1);
  QCoreApplication::processEvents();
  QLineEdit *editor = grid->focusedEditor();
  if (!editor)
    qFatal("no cell editor");
  editor->selectAll();
  QTest::keyClicks(editor, text);
  return editor;
}

void computeByKey(QWidget *target) {
  QTest::keyClick(target, Qt::Key_F9);
}

bool isDimmed(const QLineEdit *box) {
  return box->palette().color(QPalette::Text) ==
         box->palette().color(QPalette::PlaceholderText);
}

} // namespace

class KeyboardTest final : public QObject {
  Q_OBJECT

private slots:
  void computeKeys_data() {
    QTest::addColumn<QString>("where");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    for (const char *where : {"Edit1", "V_Q", "cell editor"}) {
      QTest::addRow("F9 in %s", where) << where << int(Qt::Key_F9) << int(Qt::NoModifier);
      QTest::addRow("Ctrl+Return in %s", where)
          << where << int(Qt::Key_Return) << int(Qt::ControlModifier);
      QTest::addRow("Ctrl+Enter on the pad in %s", where)
          << where << int(Qt::Key_Enter) << int(Qt::ControlModifier | Qt::KeypadModifier);
    }
  }
  void computeKeys() {
    QFETCH(QString, where);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QWidget *target = nullptr;
    QString expected = "5.66336";
    if (where == "cell editor") {
      target = typeIntoCell(window, 1, "817"); // the edit counts at once
      expected = "5.22";
    } else {
      target = window.findChild<QWidget *>(where);
      focus(target);
    }
    ReportCapture reports;
    QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(result(window)->text(), expected);
    QCOMPARE(window.Session().ComputeCount(), 1);
    // Enter alone keeps its meaning: clear the result, apply the list.
    focus(edit1(window));
    QTest::keyClick(edit1(window), Qt::Key_Return);
    QCOMPARE(result(window)->text(), QString());
  }

  // The README's first computation typed: Enter in a value cell goes on to
  // the next row's value, and in the last row stays.
  void firstComputationTypedWithEnter() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<QLineEdit>(window, "V_Q"));
    control<QLineEdit>(window, "V_Q")->clear();
    for (const char *typed : {"p;k;m;n\r", "\t", "1000\r", "0.05\r", "12\r", "10\r"})
      QTest::keyClicks(QApplication::focusWidget(), typed);
    auto *grid = control<VariableGridView>(window, "SG_Variables");
    QTRY_COMPARE_WITH_TIMEOUT(grid->currentRow(), 4, waitBudgetMs());
    edit1(window)->setText("p*power((1+k/m);(m*n))");
    computeByKey(edit1(window));
    QCOMPARE(result(window)->text(), "1647.00949769028");
  }

  void altReachesTheMenuBarOnly() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    auto *assign = control<QLineEdit>(window, "V_Q");
    computeByKey(edit1(window));
    const QString shown = result(window)->text();
    QTest::keyClick(edit1(window), Qt::Key_Alt); // to the menu bar and back
    QCOMPARE(QApplication::focusWidget(), control<QWidget>(window, "MainMenu1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), edit1(window));
    QCOMPARE(result(window)->text(), shown);
    // No menu answers Alt+X; the letter is not typed either (in the Assign
    // box it would also clear the result).
    for (QLineEdit *box : {edit1(window), assign}) {
      focus(box);
      computeByKey(box);
      const QString before = box->text();
      QTest::keyClick(box, Qt::Key_X, Qt::AltModifier);
      QCOMPARE(box->text(), before);
      QCOMPARE(result(window)->text(), shown);
    }
    QLineEdit *editor = typeIntoCell(window, 1, "5");
    QTest::keyClick(editor, Qt::Key_X, Qt::AltModifier);
    QCOMPARE(editor->text(), "5");
  }

  // Dimmed in the palette's placeholder colour: red here, so that the
  // rendered box shows which characters are set apart.
  void ignoredTextIsSetApartAndNoted() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    auto *formula = control<FormulaLineEdit>(window, "Edit1");
    QPalette colours = formula->palette();
    colours.setColor(QPalette::PlaceholderText, Qt::red);
    formula->setPalette(colours);
    setFormula(window, "", 0);
    QTest::keyClicks(formula, "2222    ^^^^");
    QCOMPARE(formula->ignoredFrom(), 8);

    const QImage image = formula->grab().toImage();
    const int split =
        formula->fontMetrics().horizontalAdvance("2222  ") + 4; // mid-blanks
    const auto reddish = [&](int from, int to) {
      for (int x = from; x < to; ++x)
        for (int y = 0; y < image.height(); ++y) {
          const QColor c = image.pixelColor(x, y);
          if (c.red() > c.green() + 80 && c.red() > c.blue() + 80)
            return true;
        }
      return false;
    };
    QVERIFY(!reddish(0, split));
    QVERIFY(reddish(split, image.width()));

    QTest::keyClick(formula, Qt::Key_Home);
    QTest::keyClicks(formula, "(");
    QCOMPARE(formula->ignoredFrom(), -1); // "(2222" does not compile yet

    formula->setText("10 % 3");
    ReportCapture reports;
    computeByKey(formula);
    QCOMPARE(result(window)->text(), "10");
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->currentMessage(),
             "Ignored text after the formula: '% 3'");
    formula->setText("10");
    computeByKey(formula);
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->currentMessage(), QString());
  }

  void failurePointsAtItsPlace_data() {
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("caret");
    QTest::newRow("unknown name") << "1 + nosuch*x"
                                  << "nosuch" << 10;
    QTest::newRow("after a two-unit character")
        << QString::fromUtf8("x + \xF0\x9D\x9C\x8B")
        << QString::fromUtf8("\xF0\x9D\x9C\x8B") << 6;
    QTest::newRow("missing parenthesis: the end") << "2*(x"
                                                  << "" << 4;
    QTest::newRow("number beyond any range") << "x + 1e5000"
                                             << "1e5000" << 10;
    QTest::newRow("division by zero while running") << "2 + 1/0"
                                                    << "1/0" << 7;
    QTest::newRow("a call that faults") << "sqrt(0-1) + x"
                                        << "sqrt(0-1)" << 9;
  }
  void failurePointsAtItsPlace() {
    QFETCH(QString, formula);
    QFETCH(QString, selected);
    QFETCH(int, caret);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<QLineEdit>(window, "V_Q"));
    edit1(window)->setText(formula);
    ReportCapture reports;
    computeByKey(control<QLineEdit>(window, "V_Q"));
    QCOMPARE(reports.messages.size(), 1);
    QCOMPARE(QApplication::focusWidget(), edit1(window));
    QCOMPARE(edit1(window)->selectedText(), selected);
    QCOMPARE(edit1(window)->cursorPosition(), caret);
  }

  void failedValueCellIsOpened() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QLineEdit>(window, "V_Q")->setText("x;y;z");
    click(control<QAbstractButton>(window, "SpeedButton1"));
    auto *grid = control<VariableGridView>(window, "SG_Variables");
    window.Session().Grid().SetCell(1, 2, "abc"); // as typed before
    grid->refresh();
    setFormula(window, "x+y+z", 0);
    ReportCapture reports;
    computeByKey(edit1(window));
    QCOMPARE(reports.messages, QStringList{"'abc' is not a valid floating point value."});
    QCOMPARE(grid->currentRow(), 2);
    QVERIFY(grid->focusedEditor());
    QCOMPARE(grid->focusedEditor()->selectedText(), "abc");
  }

  void historyRecallsSuccessfulFormulas() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QLineEdit *box = edit1(window);
    ReportCapture reports;
    for (const char *formula : {"1+1", "2*3", "2*3", "1/0", "4/2"}) {
      setFormula(window, formula, 0);
      computeByKey(box);
    }
    setFormula(window, "dr", 2);
    QStringList seen;
    for (Qt::Key key : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Up, Qt::Key_Down,
                        Qt::Key_Down, Qt::Key_Down}) {
      QTest::keyClick(box, key);
      seen.append(box->text());
    }
    QCOMPARE(seen, QStringList({"4/2", "2*3", "1+1", "1+1", "2*3", "4/2", "dr"}));
    QTest::keyClick(box, Qt::Key_Up);
    QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier); // a recall is one step
    QCOMPARE(box->text(), "dr");
  }

  // A formula so long that every blink of the caret would repaint it at a
  // cost holds the caret lit, and only while its box has the focus.
  void longFormulaHoldsTheCaretLit() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QStyleHints *hints = QGuiApplication::styleHints();
    const int blink = hints->cursorFlashTime();
    QVERIFY(blink > 0);
    setFormula(window, QString(FormulaLineEdit::longText, QLatin1Char('1')), 0);
    QCOMPARE(hints->cursorFlashTime(), blink);
    QTest::keyClick(edit1(window), Qt::Key_1);
    QCOMPARE(hints->cursorFlashTime(), 0);
    focus(control<QLineEdit>(window, "V_Q"));
    QCOMPARE(hints->cursorFlashTime(), blink);
    focus(edit1(window));
    QCOMPARE(hints->cursorFlashTime(), 0);
    QTest::keyClick(edit1(window), Qt::Key_Backspace);
    QCOMPARE(hints->cursorFlashTime(), blink);
  }

  void staleResultIsDimmedUntilTheNextCompute() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<QLineEdit>(window, "V_Q")); // leaving it clears nothing
    computeByKey(control<QLineEdit>(window, "V_Q"));
    QVERIFY(!isDimmed(result(window)));
    QLineEdit *editor = typeIntoCell(window, 1, "3");
    QCOMPARE(result(window)->text(), "5.66336"); // no rule clears it
    QVERIFY(isDimmed(result(window)));
    QTest::keyClick(editor, Qt::Key_Backspace);
    QTest::keyClicks(editor, "2"); // back to what was computed
    QVERIFY(!isDimmed(result(window)));
    focus(edit1(window));
    QTest::keyClick(edit1(window), Qt::Key_End);
    QTest::keyClicks(edit1(window), " + 1");
    QVERIFY(isDimmed(result(window)));
    computeByKey(edit1(window));
    QCOMPARE(result(window)->text(), "6.66336");
    QVERIFY(!isDimmed(result(window)));
  }
};

QUORVEX_TEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
