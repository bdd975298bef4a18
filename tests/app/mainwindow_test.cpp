// The main window: start-up state, Compute and its failures, the grid
// following the Assign box, Enter, view toggles, hints and the preference.

#include "apptest.h"

#include "app/decimalpoint.h"
#include "app/selectionlineedit.h"
#include "app/variablegridview.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolTip>

using namespace quorvex;
using namespace quorvex::test;

namespace {

QStringList gridColumn(const TF_Main_LSF &window, int column) {
  QStringList cells;
  for (int row = 0; row < control<VariableGridView>(window, "SG_Variables")->rowCount();
       ++row) {
    const QTableWidgetItem *item =
        control<VariableGridView>(window, "SG_Variables")->item(row, column);
    cells.append(item ? item->text() : QString());
  }
  return cells;
}

// Types into the Assign box with real key events and leaves it by Tab.
void assignVariables(TF_Main_LSF &window, const QString &text) {
  focus(control<QLineEdit>(window, "V_Q"));
  control<QLineEdit>(window, "V_Q")->selectAll();
  QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_Backspace);
  QTest::keyClicks(control<QLineEdit>(window, "V_Q"), text);
  QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_Tab);
}

// Types a value into grid row `row` through the cell editor.
void typeValue(TF_Main_LSF &window, int row, const QString &text) {
  auto *grid = control<VariableGridView>(window, "SG_Variables");
  focus(grid);
  grid->setCurrentCell(row, 1);
  QCoreApplication::processEvents();
  QLineEdit *editor = grid->focusedEditor();
  QVERIFY(editor);
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
}

QLocale localeWith(char separator) {
  return separator == ',' ? QLocale(QLocale::German, QLocale::Germany)
                          : QLocale(QLocale::English, QLocale::UnitedStates);
}

} // namespace

class MainWindowTest final : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { setLocaleSource({}); }

  void startUpState_data() {
    QTest::addColumn<char>("separator");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("result");
    QTest::newRow("point") << '.' << "5.22 - 5.44E-4 * (x - 817)"
                           << "5.66336";
    QTest::newRow("comma") << ',' << "5,22 - 5,44E-4 * (x - 817)"
                           << "5,66336";
  }
  void startUpState() {
    QFETCH(char, separator);
    QFETCH(QString, formula);
    QFETCH(QString, result);
    setLocaleSource([separator] { return localeWith(separator); });
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();

    QCOMPARE(window.windowTitle(), "Multipurpose Calculator - Quorvex");
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), formula);
    QCOMPARE(control<QAbstractButton>(window, "Nrptbtn")->text(),
             QString(QLatin1Char(separator)));
    QCOMPARE(control<QLineEdit>(window, "V_Q")->text(), "x");
    QCOMPARE(control<QLineEdit>(window, "edVarQuantity")->text(), "1");
    QVERIFY(!control<QLineEdit>(window, "edVarQuantity")->isEnabled());
    QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    QVERIFY(control<QLineEdit>(window, "EditYValue")->isReadOnly());
    QCOMPARE(gridColumn(window, 0), QStringList({"Name", "x"}));
    QCOMPARE(gridColumn(window, 1), QStringList({"Value", "2"}));
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "Edit1"));
    for (QAction *checked :
         {control<QAction>(window, "Toolbar2"), control<QAction>(window, "Statusbar2"),
          control<QAction>(window, "Showhints1"),
          control<QAction>(window, "Intermediateresult1")})
      QVERIFY2(checked->isChecked(), qPrintable(checked->objectName()));
    QVERIFY(!control<QAction>(window, "Allsessionresults1")->isChecked());
    QVERIFY(!program->aboutForm().isVisible());
    QVERIFY(!program->printForm().isVisible());
    QVERIFY(!program->helperForm().isVisible());

    ReportCapture reports;
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), result);
    QCOMPARE(reports.messages, QStringList());
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "Edit1"));
  }

  // Run once per locale by the test registration; it tells the separator
  // QLocale::system() is expected to give there.
  void separatorFromSystemLocale() {
    const QString expected = qEnvironmentVariable("QUORVEX_EXPECT_SEPARATOR");
    auto program = startProgram();
    const QString key =
        control<QAbstractButton>(program->mainWindow(), "Nrptbtn")->text();
    QCOMPARE(key, QString(QLatin1Char(decimalSeparatorOf(QLocale::system()))));
    if (!expected.isEmpty())
      QCOMPARE(key, expected);
  }

  void everyControlKeepsItsName() {
    auto program = startProgram();
    const char *names[] = {"MainMenu1",
                           "Print1",
                           "N1",
                           "About2",
                           "Help2",
                           "N2",
                           "Exit1",
                           "Toolbar2",
                           "Statusbar2",
                           "Showhints1",
                           "Intermediateresult1",
                           "Allsessionresults1",
                           "ToolBar1",
                           "ToolButton1",
                           "ToolButton2",
                           "ToolButton3",
                           "ToolButton4",
                           "ToolButton5",
                           "ToolButton6",
                           "ToolButton7",
                           "ToolButton8",
                           "ToolButton10",
                           "ToolButton12",
                           "ToolButton13",
                           "ToolButton14",
                           "Panel1",
                           "Label1",
                           "Edit1",
                           "GroupBox1",
                           "Label4",
                           "edVarQuantity",
                           "SpeedButton1",
                           "lbAssign",
                           "V_Q",
                           "SG_Variables",
                           "GroupBox3",
                           "EditYValue",
                           "GbPreferences",
                           "Nr0btn",
                           "Nr1btn",
                           "Nr2btn",
                           "Nr3btn",
                           "Nr4btn",
                           "Nr5btn",
                           "Nr6btn",
                           "Nr7btn",
                           "Nr8btn",
                           "Nr9btn",
                           "Nrptbtn",
                           "NrEbtn",
                           "Operatoradditionbtn",
                           "Operatorsubtractionbtn",
                           "Operatormultiplicationbtn",
                           "Operatordivisionbtn",
                           "Operatorbracket1btn",
                           "Operatorbracket2btn",
                           "Plusminusbtn",
                           "Undobtn",
                           "NrXbtn",
                           "NrRecipbtn",
                           "Copybtn",
                           "Pastebtn",
                           "ClearSelectionbtn",
                           "CutToClipboardbtn",
                           "ComputeSpdbtn",
                           "StatusBar1"};
    for (const char *name : names)
      QVERIFY2(program->mainWindow().findChild<QObject *>(QLatin1String(name)), name);
    // Keypad and toolbar buttons never take the focus.
    QList<QAbstractButton *> buttons =
        control<QWidget>(program->mainWindow(), "GbPreferences")
            ->findChildren<QAbstractButton *>();
    buttons += control<QToolBar>(program->mainWindow(), "ToolBar1")
                   ->findChildren<QAbstractButton *>();
    buttons.append(control<QAbstractButton>(program->mainWindow(), "SpeedButton1"));
    for (QAbstractButton *button : buttons)
      QVERIFY2(button->focusPolicy() == Qt::NoFocus, qPrintable(button->objectName()));
    QCOMPARE(control<QAbstractButton>(program->mainWindow(), "Nr7btn")->accessibleName(),
             "Seven");
    QCOMPARE(control<QAbstractButton>(program->mainWindow(), "Operatordivisionbtn")
                 ->accessibleName(),
             "Division");
  }

  void desktopEntryMatchesTheProgram() {
    const QString id = QGuiApplication::desktopFileName();
    QCOMPARE(id, "org.quorvex.Quorvex");
    QFile entry(QStringLiteral(QUORVEX_SOURCE_DIR "/app/") + id + ".desktop");
    QVERIFY(entry.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(entry.readAll());
    QVERIFY(text.contains("\nIcon=" + id + "\n"));
    QVERIFY(text.contains("\nCategories=Qt;Utility;Calculator;\n"));
    QVERIFY(QFile::exists(QStringLiteral(QUORVEX_SOURCE_DIR "/app/icons/quorvex.svg")));
  }

  void followsADarkPalette() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QPalette original = QApplication::palette();
    QPalette dark = original;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(240, 240, 240));
    dark.setColor(QPalette::WindowText, QColor(250, 200, 10));
    QApplication::setPalette(dark);
    QCoreApplication::processEvents();
    QCOMPARE(
        control<QAbstractButton>(window, "Nr7btn")->palette().color(QPalette::Button),
        QColor(30, 30, 30));
    QCOMPARE(
        control<QAbstractButton>(window, "Nr7btn")->palette().color(QPalette::ButtonText),
        QColor(240, 240, 240));
    // Pictures are drawn in the palette's text colour.
    const QImage icon =
        control<QAbstractButton>(window, "ToolButton1")->icon().pixmap(16, 16).toImage();
    bool drawnInText = false;
    for (int y = 0; y < icon.height() && !drawnInText; ++y)
      for (int x = 0; x < icon.width() && !drawnInText; ++x)
        drawnInText = icon.pixelColor(x, y) == QColor(250, 200, 10);
    QApplication::setPalette(original);
    QVERIFY(drawnInText);
  }

  // Formula box, Assign box, grid (one stop, its editor or a cell), result
  // box, round and round, the same both ways.
  void tabOrder() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QWidget *grid = control<VariableGridView>(window, "SG_Variables");
    const auto stop = [&]() -> QString {
      QWidget *focused = QApplication::focusWidget();
      return focused && (focused == grid || grid->isAncestorOf(focused))
                 ? QStringLiteral("SG_Variables")
             : focused ? focused->objectName()
                       : QString();
    };
    QStringList forward, backward;
    for (int i = 0; i < 8; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      forward.append(stop());
    }
    for (int i = 0; i < 8; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
      backward.append(stop());
    }
    QCOMPARE(forward, QStringList({"V_Q", "SG_Variables", "EditYValue", "Edit1", "V_Q",
                                   "SG_Variables", "EditYValue", "Edit1"}));
    QCOMPARE(backward, QStringList({"EditYValue", "SG_Variables", "V_Q", "Edit1",
                                    "EditYValue", "SG_Variables", "V_Q", "Edit1"}));
  }

  void computeFailureReachesTheReport_data() {
    QTest::addColumn<QString>("assign");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("formula");
    QTest::addColumn<QString>("message");
    QTest::newRow("value not a number") << "x"
                                        << "abc"
                                        << "x"
                                        << "'abc' is not a valid floating point value.";
    QTest::newRow("value with blanks only")
        << "x"
        << "  "
        << "x"
        << "'  ' is not a valid floating point value.";
    QTest::newRow("value out of range") << "x"
                                        << "1E400"
                                        << "x"
                                        << "Floating point overflow.";
    QTest::newRow("duplicate name") << "x;X"
                                    << "2"
                                    << "x"
                                    << "Duplicate hash list entry: X.";
    QTest::newRow("unknown name, quote ends it") << ""
                                                 << "2"
                                                 << "x"
                                                 << "Parse error: Unknown symbol: 'x'";
    QTest::newRow("empty formula") << "x"
                                   << "2"
                                   << ""
                                   << "Parse error: Factor expected.";
    QTest::newRow("missing parenthesis") << "x"
                                         << "2"
                                         << "(x"
                                         << "Parse error: ')' expected.";
    QTest::newRow("division by zero") << "x"
                                      << "0"
                                      << "1/x"
                                      << "Floating point division by zero.";
    QTest::newRow("invalid operation") << "x"
                                       << "0"
                                       << "x/x"
                                       << "Invalid floating point operation.";
    QTest::newRow("result overflow") << "x"
                                     << "1E300"
                                     << "x*x"
                                     << "Floating point overflow.";
    QTest::newRow("domain") << "x"
                            << "0"
                            << "logbase10(x)"
                            << "Domain check failure in Kerrowin.";
    QTest::newRow("power") << "x"
                           << "0"
                           << "power(x;-1)"
                           << "Power function: Result is infinite.";
  }
  void computeFailureReachesTheReport() {
    QFETCH(QString, assign);
    QFETCH(QString, value);
    QFETCH(QString, formula);
    QFETCH(QString, message);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    ReportCapture reports;
    click(control<QAbstractButton>(
        window, "ComputeSpdbtn")); // one success first, so failure must clear it
    QVERIFY(!control<QLineEdit>(window, "EditYValue")->text().isEmpty());

    assignVariables(window, assign);
    typeValue(window, 1, value);
    setFormula(window, formula, 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));

    QCOMPARE(reports.messages, QStringList({message}));
    QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    QVERIFY(window.Session().Memo1().Empty());
    QCOMPARE(window.Session().ComputeCount(), 1);
    QVERIFY(window.isVisible());
  }

  void errorEscapingAnEventHandlerIsReported() {
    // An object whose event handler fails as a user's action can.
    class Failing final : public QObject {
    public:
      bool event(QEvent *) override { throw quorvex::EZeroDivide(); }
    } failing;
    ReportCapture reports;
    QEvent event(QEvent::User);
    QVERIFY(QCoreApplication::sendEvent(&failing, &event));
    QCOMPARE(reports.messages, QStringList({"Floating point division by zero."}));
  }

  void reportIsAnErrorBox() {
    bool shown = false;
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    whenModal(
        "the error box",
        [&](QWidget &modal) {
          auto *box = qobject_cast<QMessageBox *>(&modal);
          QVERIFY(box);
          title = box->windowTitle();
          text = box->text();
          icon = box->icon();
          buttons = box->standardButtons();
          box->accept();
        },
        &shown);
    ErrorReport::report(QStringLiteral("Ends with a full stop."));
    QVERIFY(shown);
    QCOMPARE(title, "Quorvex (Brennick)");
    QCOMPARE(text, "Ends with a full stop.");
    QCOMPARE(icon, QMessageBox::Critical);
    QCOMPARE(buttons, QMessageBox::Ok);
  }

  void longReportIsShortenedInTheBox() {
    const QString quoted = "'" + QString("9").repeated(1 << 20) + "'";
    QString shown;
    whenModal("the error box", [&](QWidget &modal) {
      shown = static_cast<QMessageBox &>(modal).text();
      static_cast<QMessageBox &>(modal).accept();
    });
    ErrorReport::report(quoted + " is not a valid floating point value");
    QVERIFY(shown.size() < 1000);
    QVERIFY(shown.startsWith("'999"));
    QVERIFY(shown.endsWith("9' is not a valid floating point value."));
    QCOMPARE(ErrorReport::boxText("short."), "short.");
  }

  void gridFollowsTheAssignBox_data() {
    QTest::addColumn<QString>("assign");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("quantity");
    QTest::newRow("blanks and empty items")
        << "x; y ;;z;" << QStringList{"x", "y", "z"} << "3";
    QTest::newRow("empty") << "" << QStringList{"x"} << "1";
    QTest::newRow("blanks only") << "   " << QStringList{"x"} << "1";
    QTest::newRow("semicolons only") << ";;;" << QStringList{"x"} << "1";
    QTest::newRow("inner equals sign") << "a=5" << QStringList{"a"} << "1";
    QTest::newRow("duplicates keep rows") << "x;X" << QStringList{"x", "X"} << "2";
  }
  void gridFollowsTheAssignBox() {
    QFETCH(QString, assign);
    QFETCH(QStringList, names);
    QFETCH(QString, quantity);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    assignVariables(window, assign);
    QCOMPARE(gridColumn(window, 0), QStringList{"Name"} + names);
    QCOMPARE(control<QLineEdit>(window, "edVarQuantity")->text(), quantity);
    for (int row = 1; row <= names.size(); ++row)
      QCOMPARE(control<VariableGridView>(window, "SG_Variables")->item(row, 1)->text(),
               "2");
  }

  void valuesStayWithRowPositions() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    assignVariables(window, "x;y;z");
    typeValue(window, 1, "1");
    typeValue(window, 2, "5");
    typeValue(window, 3, "7");
    assignVariables(window, "x");
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->rowCount(), 2);
    assignVariables(window, "z;y;x");
    QCOMPARE(gridColumn(window, 0), QStringList({"Name", "z", "y", "x"}));
    QCOMPARE(gridColumn(window, 1), QStringList({"Value", "1", "5", "7"}));
    // The values the user sees are the values Compute binds.
    setFormula(window, "z*100 + y*10 + x", 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "157");
  }

  // The list shrinks under the cell editor's row: the rows that stay keep
  // their values and the hidden one its own.
  void editorOnAHiddenRow() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    assignVariables(window, "a;b;c;d");
    typeValue(window, 2, "5");
    typeValue(window, 4, "9");
    focus(control<QLineEdit>(window, "V_Q"));
    control<QLineEdit>(window, "V_Q")->setText("a;b");
    ReportCapture reports;
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_F9);
    QCOMPARE(gridColumn(window, 1), QStringList({"Value", "2", "5"}));
    QCOMPARE(window.Session().Grid().Cell(1, 4), "9");
  }

  void gridKeepsAnEditorAfterEnter() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    typeValue(window, 1, "7");
    QTest::keyClick(control<VariableGridView>(window, "SG_Variables")->focusedEditor(),
                    Qt::Key_Return);
    QTRY_VERIFY_WITH_TIMEOUT(
        control<VariableGridView>(window, "SG_Variables")->focusedEditor(),
        waitBudgetMs());
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->focusedEditor()->text(),
             "7");
    QCOMPARE(window.Session().Grid().Cell(1, 1), "7");
  }

  // A column pasted into a value cell fills the cells from its row down, or
  // is refused whole; rows selected with Shift+Down copy as names and values.
  void pastingAndCopyingRows() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    assignVariables(window, "x;y;z");
    typeValue(window, 2, "1");
    auto *grid = control<VariableGridView>(window, "SG_Variables");
    ReportCapture reports;
    QGuiApplication::clipboard()->setText("7\n8\n9");
    QTest::keyClick(grid->focusedEditor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(
        reports.messages,
        QStringList{"Cannot paste 3 lines from y down: the grid has 2 rows from there."});
    QCOMPARE(gridColumn(window, 1), QStringList({"Value", "2", "1", "2"}));
    QGuiApplication::clipboard()->setText("5\r\n6\r\n");
    QTest::keyClick(grid->focusedEditor(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(grid->focusedEditor()->text(), "5");
    QTest::keyClick(grid->focusedEditor(), Qt::Key_Up);
    for (int down = 0; down < 2; ++down)
      QTest::keyClick(grid->focusedEditor(), Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(grid->focusedEditor(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), "x\t2\ny\t5\nz\t6\n");
  }

  void emptiedValueCellShowsTwoAfterCompute() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    assignVariables(window, "x");
    typeValue(window, 1, "");
    QVERIFY(control<VariableGridView>(window, "SG_Variables")->focusedEditor());
    click(
        control<QAbstractButton>(window, "ComputeSpdbtn")); // the editor keeps the focus
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->focusedEditor()->text(),
             "2");
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->item(1, 1)->text(), "2");
  }

  void typingInTheAssignBoxClearsTheResult_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("clears");
    QTest::newRow("letter") << int(Qt::Key_A) << true;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << true;
    QTest::newRow("enter") << int(Qt::Key_Return) << true;
    QTest::newRow("arrow types nothing") << int(Qt::Key_Left) << false;
    QTest::newRow("shift types nothing") << int(Qt::Key_Shift) << false;
    QTest::newRow("tab moves on, types nothing") << int(Qt::Key_Tab) << false;
  }
  void typingInTheAssignBoxClearsTheResult() {
    QFETCH(int, key);
    QFETCH(bool, clears);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<QLineEdit>(window, "V_Q"));
    click(control<QAbstractButton>(
        window, "ComputeSpdbtn")); // the button leaves the focus where it is
    const QString result = control<QLineEdit>(window, "EditYValue")->text();
    QVERIFY(!result.isEmpty());
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key(key));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(),
             clears ? QString() : result);
  }

  void enterInTheAssignBoxAppliesTheList() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    focus(control<QLineEdit>(window, "V_Q"));
    QTest::keyClicks(control<QLineEdit>(window, "V_Q"), ";y");
    QTest::keyClick(control<QLineEdit>(window, "V_Q"), Qt::Key_Return);
    QCOMPARE(control<QLineEdit>(window, "V_Q")->text(), "x;y");
    QCOMPARE(QApplication::focusWidget(), control<QLineEdit>(window, "V_Q"));
    QCOMPARE(gridColumn(window, 0), QStringList({"Name", "x", "y"}));
  }

  void enterInTheFormulaBox() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    control<QLineEdit>(window, "V_Q")->setText("a;b"); // not applied until a trigger runs
    const QString formula = control<QLineEdit>(window, "Edit1")->text();
    focus(control<QLineEdit>(window, "Edit1"));
    QTest::keyClick(control<QLineEdit>(window, "Edit1"), Qt::Key_Return);
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), formula);
    QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    QCOMPARE(gridColumn(window, 0), QStringList({"Name", "a", "b"}));
  }

  void leavingTheFormulaBoxAndVariableButton_data() {
    QTest::addColumn<bool>("byButton");
    QTest::newRow("leaving the formula box") << false;
    QTest::newRow("Variable button") << true;
  }
  void leavingTheFormulaBoxAndVariableButton() {
    QFETCH(bool, byButton);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    control<QLineEdit>(window, "V_Q")->setText("p;q;r");
    if (byButton)
      click(control<QAbstractButton>(window, "SpeedButton1"));
    else
      QTest::keyClick(control<QLineEdit>(window, "Edit1"), Qt::Key_Tab);
    QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    QCOMPARE(control<QLineEdit>(window, "edVarQuantity")->text(), "3");
  }

  void viewTogglesKeepTheWindowSize() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QSize size = window.size();
    const int formulaTop =
        control<QWidget>(window, "Panel1")->mapTo(&window, QPoint()).y();
    const int bodyHeight = control<QWidget>(window, "GroupBox1")->height();

    control<QAction>(window, "Toolbar2")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!control<QAction>(window, "Toolbar2")->isChecked());
    QVERIFY(!control<QToolBar>(window, "ToolBar1")->isVisible());
    QVERIFY(control<QWidget>(window, "Panel1")->mapTo(&window, QPoint()).y() <
            formulaTop);
    control<QAction>(window, "Statusbar2")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(!control<QStatusBar>(window, "StatusBar1")->isVisible());
    QCOMPARE(window.size(), size);
    QVERIFY(control<QWidget>(window, "GroupBox1")->height() > bodyHeight);

    control<QAction>(window, "Toolbar2")->trigger();
    control<QAction>(window, "Statusbar2")->trigger();
    QCoreApplication::processEvents();
    QVERIFY(control<QToolBar>(window, "ToolBar1")->isVisible());
    QVERIFY(control<QStatusBar>(window, "StatusBar1")->isVisible());
    QCOMPARE(window.size(), size);
    QCOMPARE(control<QWidget>(window, "GroupBox1")->height(), bodyHeight);
  }

  void hintsInTheStatusBar_data() {
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<QString>("hint");
    QTest::newRow("result box") << "EditYValue"
                                << "Computed value";
    QTest::newRow("key 7") << "Nr7btn"
                           << "Seven";
    QTest::newRow("formula box") << "Edit1"
                                 << "Formula edit-box: Enter a formula into editor";
    QTest::newRow("toolbar print") << "ToolButton4"
                                   << "Print the report of calculation session.";
    QTest::newRow("no hint of its own or above") << "Label1"
                                                 << "";
    QTest::newRow("disabled Quantity box") << "edVarQuantity"
                                           << "Variable quantity";
    QTest::newRow("Variable button") << "SpeedButton1"
                                     << "Variable quantity";
    QTest::newRow("grid cell") << "SG_Variables"
                               << "Grid setting: Assign values for the variables";
  }
  void hintsInTheStatusBar() {
    QFETCH(QString, controlName);
    QFETCH(QString, hint);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QStatusBar>(window, "StatusBar1")->showMessage("before");
    auto *widget = window.findChild<QWidget *>(controlName);
    QVERIFY(widget);
    QTest::mouseMove(widget, widget->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(control<QStatusBar>(window, "StatusBar1")->currentMessage(),
                              hint, waitBudgetMs());
  }

  void hintsOffLeaveTheStatusBarAlone() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    QTest::mouseMove(control<QAbstractButton>(window, "Nr7btn"),
                     control<QAbstractButton>(window, "Nr7btn")->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(control<QStatusBar>(window, "StatusBar1")->currentMessage(),
                              "Seven", waitBudgetMs());
    control<QAction>(window, "Showhints1")->trigger();
    QVERIFY(!control<QAction>(window, "Showhints1")->isChecked());
    for (QWidget *key :
         {static_cast<QWidget *>(control<QAbstractButton>(window, "Nr8btn")),
          static_cast<QWidget *>(control<QAbstractButton>(window, "Operatoradditionbtn")),
          static_cast<QWidget *>(control<QLineEdit>(window, "EditYValue"))})
      QTest::mouseMove(key, key->rect().center());
    QCoreApplication::processEvents();
    QCOMPARE(control<QStatusBar>(window, "StatusBar1")->currentMessage(), "Seven");
    control<QAction>(window, "Showhints1")->trigger();
    QTest::mouseMove(control<QAbstractButton>(window, "Nr9btn"),
                     control<QAbstractButton>(window, "Nr9btn")->rect().center());
    QTRY_COMPARE_WITH_TIMEOUT(control<QStatusBar>(window, "StatusBar1")->currentMessage(),
                              "Nine", waitBudgetMs());
  }

  // Opened with its mnemonic and walked with Down, each menu shows each
  // item's hint while it is highlighted (the keys skip the separators),
  // the first one too, while the pointer rests on a control of the window.
  void menuItemHints_data() {
    QTest::addColumn<int>("mnemonic");
    QTest::addColumn<QStringList>("hints");
    QTest::newRow("File")
        << int(Qt::Key_F)
        << QStringList{"Open a saved worksheet: its formula, variables and values.",
                       "Save the formula, the variables and their values as a worksheet.",
                       "Save the report of calculation session as a text file.",
                       "Print the report of calculation session.",
                       "About Quorvex program.",
                       "Documentation that provides guide for the usage of Quorvex.",
                       "Exit: End the calculation session."};
    QTest::newRow("View") << int(Qt::Key_V)
                          << QStringList{"Select to view the toobar.",
                                         "Select to view the statusbar."};
    QTest::newRow("Option") << int(Qt::Key_O) << QStringList{""};
    QTest::newRow("Preference")
        << int(Qt::Key_P)
        << QStringList{"Display intermediate result for printing.",
                       "Display all-session results for printing."};
    QTest::newRow("Tools")
        << int(Qt::Key_T)
        << QStringList{"Plot the formula over a range of one of its variables.",
                       "Find the functions, constants and variables a formula can use, "
                       "and insert them."};
  }
  void menuItemHints() {
    QFETCH(int, mnemonic);
    QFETCH(QStringList, hints);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    auto *status = control<QStatusBar>(window, "StatusBar1");
    auto *key = control<QAbstractButton>(window, "Nr7btn");
    QTest::mouseMove(key, key->rect().center());
    QTRY_COMPARE(status->currentMessage(), "Seven");
    QTest::keyClick(control<QLineEdit>(window, "Edit1"), Qt::Key(mnemonic),
                    Qt::AltModifier);
    QTRY_VERIFY_WITH_TIMEOUT(QApplication::activePopupWidget(), waitBudgetMs());
    QWidget *menu = QApplication::activePopupWidget();
    // The menu grabs the pointer, and the window system tells the control
    // under it that the pointer left (offscreen, the test says it).
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(key, &leave);
    QStringList seen;
    for (qsizetype i = 0; i < hints.size(); ++i) {
      if (i > 0)
        QTest::keyClick(menu, Qt::Key_Down);
      seen.append(status->currentMessage());
    }
    QTest::keyClick(menu, Qt::Key_Escape);
    QCOMPARE(seen, hints);
  }

  // and only while hints are shown.
  void popUpTipOnlyOnTheVariableButton_data() {
    QTest::addColumn<QString>("controlName");
    QTest::addColumn<bool>("hints");
    QTest::addColumn<QString>("tip");
    QTest::newRow("Variable button") << "SpeedButton1" << true << "Variable quantity";
    QTest::newRow("Variable button, hints off") << "SpeedButton1" << false << "";
    QTest::newRow("key 7") << "Nr7btn" << true << "";
    QTest::newRow("toolbar print") << "ToolButton4" << true << "";
    QTest::newRow("formula box") << "Edit1" << true << "";
  }
  void popUpTipOnlyOnTheVariableButton() {
    QFETCH(QString, controlName);
    QFETCH(bool, hints);
    QFETCH(QString, tip);
    auto program = startProgram();
    if (!hints)
      control<QAction>(program->mainWindow(), "Showhints1")->trigger();
    auto *widget = program->mainWindow().findChild<QWidget *>(controlName);
    QToolTip::hideText();
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), waitBudgetMs());
    const QPoint at = widget->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QCoreApplication::sendEvent(widget, &help);
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), tip);
    QToolTip::hideText();
  }

  void reportPreferenceSwaps() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    control<QAction>(window, "Intermediateresult1")->trigger();
    QVERIFY(!control<QAction>(window, "Intermediateresult1")->isChecked());
    QVERIFY(control<QAction>(window, "Allsessionresults1")->isChecked());
    control<QAction>(window, "Intermediateresult1")->trigger();
    QVERIFY(control<QAction>(window, "Intermediateresult1")->isChecked());
    QVERIFY(!control<QAction>(window, "Allsessionresults1")->isChecked());
    control<QAction>(window, "Allsessionresults1")->trigger();
    QVERIFY(!control<QAction>(window, "Intermediateresult1")->isChecked());
    QVERIFY(control<QAction>(window, "Allsessionresults1")->isChecked());
  }

  void exitClosesAtOnce_data() {
    QTest::addColumn<QString>("command");
    QTest::newRow("menu") << "Exit1";
    QTest::newRow("toolbar") << "ToolButton1";
  }
  void exitClosesAtOnce() {
    QFETCH(QString, command);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    if (auto *action = window.findChild<QAction *>(command))
      action->trigger();
    else
      click(window.findChild<QAbstractButton *>(command));
    QVERIFY(!window.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
  }
};

QUORVEX_TEST_MAIN(MainWindowTest)
#include "mainwindow_test.moc"
