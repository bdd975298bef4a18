// Abuse: huge pastes, a formula failing every way in a row, and every
// window closed in every state. Nothing may crash, and every error must take
// the error report's road.

#include "apptest.h"

#include "app/selectionlineedit.h"
#include "app/variablegridview.h"

#include <QClipboard>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>

using namespace quorvex;
using namespace quorvex::test;

namespace {

constexpr int miB = 1 << 20;

// "1+1+...+1+10", exactly `length` characters long (length even).
QString longSum(int length) {
  QString text;
  text.reserve(length);
  const int ones = length / 2 - 1;
  for (int i = 0; i < ones; ++i)
    text += QStringLiteral("1+");
  text += QStringLiteral("10");
  return text;
}

} // namespace

class AbuseTest final : public QObject {
  Q_OBJECT

private slots:
  void pastingAMebibyteIntoTheFormulaBox_data() {
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("message");
    QTest::newRow("1 MiB computes")
        << miB << QString::number(miB / 2 - 1 + 10) << QString();
    QTest::newRow("over 1 MiB is refused")
        << miB + 2 << QString() << "Parse error: Expression too long.";
  }
  void pastingAMebibyteIntoTheFormulaBox() {
    QFETCH(int, length);
    QFETCH(QString, result);
    QFETCH(QString, message);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QGuiApplication::clipboard()->setText(longSum(length));
    control<QLineEdit>(window, "Edit1")->selectAll();
    click(control<QAbstractButton>(window, "Pastebtn"));
    // The box keeps every character: nothing is cut off unseen.
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text().size(), length);
    ReportCapture reports;
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), result);
    QCOMPARE(reports.messages, message.isEmpty() ? QStringList() : QStringList{message});
  }

  void pastingLineBreaksIntoTheFormulaBox() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QGuiApplication::clipboard()->setText("1 +\n2\r\n* 3\t");
    control<QLineEdit>(window, "Edit1")->selectAll();
    click(control<QAbstractButton>(window, "Pastebtn"));
    ReportCapture reports;
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "7");
  }

  void pastingAMebibyteIntoTheAssignBoxAndAValueCell() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QString names = QString("v;").repeated(miB / 2);
    QGuiApplication::clipboard()->setText(names);
    focus(control<QLineEdit>(window, "V_Q"));
    control<QLineEdit>(window, "V_Q")->selectAll();
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_Tab);
    QCOMPARE(control<QLineEdit>(window, "edVarQuantity")->text(),
             QString::number(miB / 2));
    ReportCapture reports;
    setFormula(window, "1", 1);
    click(control<QAbstractButton>(
        window, "ComputeSpdbtn")); // every v after the first is a duplicate
    QCOMPARE(reports.messages, QStringList{"Duplicate hash list entry: v."});

    control<QLineEdit>(window, "V_Q")->setText("x");
    click(control<QAbstractButton>(window, "SpeedButton1"));
    setValue(window, QString("9").repeated(miB));
    setFormula(window, "x", 1);
    click(control<QAbstractButton>(
        window, "ComputeSpdbtn")); // beyond even the widest format: no number
    QCOMPARE(reports.messages.size(), 2);
    QVERIFY(reports.messages.back().startsWith("'999"));
    QVERIFY(reports.messages.back().endsWith("9' is not a valid floating point value."));
  }

  void aFormulaFailingEveryWayInARow() {
    struct Failure {
      const char *assign, *value, *formula, *message;
    };
    const QString deep = QString("(").repeated(300) + "1" + QString(")").repeated(300);
    const std::string deepFormula = deep.toStdString();
    const Failure failures[] = {
        {"x", "abc", "x", "'abc' is not a valid floating point value."},
        {"x", "2.5.1", "x", "'2.5.1' is not a valid floating point value."},
        {"x", "1E400", "x", "Floating point overflow."},
        {"x;X", "2", "x", "Duplicate hash list entry: X."},
        {"x", "2", "", "Parse error: Factor expected."},
        {"x", "2", "(x", "Parse error: ')' expected."},
        {"x", "2", "y", "Parse error: Unknown symbol: 'y'"},
        {"x", "2", "sin", "Parse error: '(' and function's first parameter expected."},
        {"x", "2", "power(x)", "Parse error: ';' and another parameter expected."},
        {"x", "2", deepFormula.c_str(), "Parse error: Expression nested too deeply."},
        {"x", "0", "1/x", "Floating point division by zero."},
        {"x", "0", "x/x", "Invalid floating point operation."},
        {"x", "1E300", "x*x", "Floating point overflow."},
        {"x", "-1", "sqrt(x)", "Invalid floating point operation."},
        {"x", "0", "ln(x)", "Floating point division by zero."},
        {"x", "0", "logbase2(x)", "Domain check failure in Kerrowin."},
        {"x", "0", "power(x;-1)", "Power function: Result is infinite."},
        {"x", "-8", "power(x;0.5)", "Power function: Result is complex."},
        {"x", "1E19", "tan(x)", "Domain check failure in Kerrowin."},
        {"x", "711", "cosh(x)", "Floating point overflow."},
    };
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    ReportCapture reports;
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    for (const Failure &failure : failures) {
      control<QLineEdit>(window, "V_Q")->setText(failure.assign);
      click(control<QAbstractButton>(window, "SpeedButton1"));
      setValue(window, failure.value);
      setFormula(window, QString::fromStdString(failure.formula), 0);
      click(control<QAbstractButton>(window, "ComputeSpdbtn"));
      QVERIFY2(!reports.messages.isEmpty(), failure.message);
      QCOMPARE(reports.messages.takeLast(), QString(failure.message));
      QVERIFY(reports.messages.isEmpty());
      QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    }
    // The session survives: the next success is record 2.
    control<QLineEdit>(window, "V_Q")->setText("x");
    click(control<QAbstractButton>(window, "SpeedButton1"));
    setValue(window, "2");
    setFormula(window, "x*3", 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "6");
    QCOMPARE(window.Session().ComputeCount(), 2);
    QCOMPARE(window.Session().Memo2().Line(4), "- - 2 - - - - - - - - -");
  }

  void closingTheMainWindowWithEveryOtherWindowOpen() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QAction>(window, "Help2")->trigger();
    QVERIFY(program->helperForm().isVisible());
    // Closing the main window while the print report is modal over it.
    whenModal("the print report window", [&](QWidget &) {
      window.close();
      program->printForm().close();
    });
    control<QAction>(window, "Print1")->trigger();
    QVERIFY(!window.isVisible());
    QVERIFY(!program->printForm().isVisible());
    // And while an about window is up.
    window.show();
    whenModal("the about window", [&](QWidget &about) {
      window.close();
      about.close();
    });
    control<QAction>(window, "About2")->trigger();
    QVERIFY(!window.isVisible());
    program.reset(); // the documentation window is still shown
  }

  void closingThePrintReportUnderItsSetupDialog() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    TTextPrintForm &form = program->printForm();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    bool nested = false;
    whenModal("the print report window", [&](QWidget &) {
      whenModal(
          "the printer setup dialog",
          [&](QWidget &dialog) {
            form.close(); // under the open setup dialog
            dialog.close();
          },
          &nested);
      click(control<QAbstractButton>(form, "Button3"));
    });
    control<QAction>(window, "Print1")->trigger();
    QVERIFY(nested);
    QVERIFY(!form.isVisible());
    QVERIFY(form.ReportText().isEmpty());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }

  void closingWhileEditing() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<VariableGridView>(window, "SG_Variables"));
    QLineEdit *editor =
        control<VariableGridView>(window, "SG_Variables")->focusedEditor();
    QVERIFY(editor);
    QTest::keyClicks(editor, "123");
    control<QAction>(window, "Exit1")->trigger();
    QVERIFY(!window.isVisible());
    program.reset();
  }

  void documentationReopensAfterEveryClose() {
    auto program = startProgram();
    THelperForm &helper = program->helperForm();
    for (int round = 0; round < 3; ++round) {
      control<QAction>(program->mainWindow(), "Help2")->trigger();
      QVERIFY(helper.isVisible());
      if (round == 0)
        helper.close();
      else if (round == 1)
        QTest::mouseClick(&helper, Qt::LeftButton, Qt::NoModifier, QPoint(1, 1));
      else
        program->mainWindow().close();
    }
    program.reset();
  }

  void aboutClosedByEscape() {
    auto program = startProgram();
    bool ran = false;
    whenModal(
        "the about window",
        [](QWidget &about) { QTest::keyClick(&about, Qt::Key_Escape); }, &ran);
    control<QAction>(program->mainWindow(), "About2")->trigger();
    QVERIFY(ran);
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QUORVEX_TEST_MAIN(AbuseTest)
#include "abuse_test.moc"
