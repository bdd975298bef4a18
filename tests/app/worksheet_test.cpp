// Worksheets and the log saved from the File menu and opened again, by the
// keyboard, across the two decimal separators, and every file that cannot
// be opened or saved reported with the window left as it was.

#include "apptest.h"

#include "app/decimalpoint.h"
#include "app/fileerrortext.h"
#include "engine/decimalseparator.h"
#include "session/textfile.h"
#include "session/worksheet.h"

#include <QFile>
#include <QTemporaryDir>

using namespace quorvex;
using namespace quorvex::test;

namespace {

// Everything of the window a failed open must leave alone.
QStringList windowState(TF_Main_LSF &window) {
  const TCalculatorSession &s = window.Session();
  QStringList state = {control<QLineEdit>(window, "Edit1")->text(),
                       control<QLineEdit>(window, "V_Q")->text(),
                       control<QLineEdit>(window, "edVarQuantity")->text(),
                       control<QLineEdit>(window, "EditYValue")->text(),
                       QString::number(s.ComputeCount()),
                       QString::fromStdString(std::string(s.Memo2().Text()))};
  auto *grid = control<VariableGridView>(window, "SG_Variables");
  for (int row = 0; row < grid->rowCount(); ++row)
    state << grid->item(row, 0)->text() << grid->item(row, 1)->text();
  for (int row = 0; row < s.Grid().KeptRowCount(); ++row)
    state << QString::fromStdString(s.Grid().Cell(1, row));
  return state;
}

void typeInto(QLineEdit *box, const QString &text) {
  focus(box);
  box->selectAll();
  QTest::keyClicks(box, text);
  QTest::keyClick(box, Qt::Key_Tab);
}

// Ctrl+S or Ctrl+O, then the file's name in the dialog and Enter.
void useFileDialog(TF_Main_LSF &window, QKeySequence::StandardKey key,
                   const QString &path) {
  bool ran = false;
  whenModal(
      "the file dialog",
      [&](QWidget &dialog) {
        auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        QVERIFY(name);
        // Set rather than typed: the completer's list would take the Return.
        name->setText(path);
        QTest::keyClick(name, Qt::Key_Return);
      },
      &ran);
  QTest::keySequence(&window, QKeySequence(key));
  QVERIFY(ran);
}

// The program reads a point or a comma locale, or (0) the system's.
void useLocale(char separator) {
  const QLocale locale(separator == ',' ? QLocale::German : QLocale::English);
  setLocaleSource(separator == 0 ? std::function<QLocale()>()
                                 : [locale] { return locale; });
}

} // namespace

class WorksheetTest final : public QObject {
  Q_OBJECT

private slots:
  void cleanup() { setLocaleSource({}); }

  // "system" takes the locale the test runs in, which ctest makes a comma
  // one in a second run.
  void saveAndReopen_data() {
    QTest::addColumn<char>("saving");
    QTest::addColumn<char>("opening");
    QTest::newRow("system") << '\0' << '\0';
    QTest::newRow("comma to point") << ',' << '.';
    QTest::newRow("point to comma") << '.' << ',';
  }
  void saveAndReopen() {
    QFETCH(char, saving);
    QFETCH(char, opening);
    const QTemporaryDir folder;
    useLocale(saving);
    {
      auto program = startProgram();
      TF_Main_LSF &window = program->mainWindow();
      const QString sep{QLatin1Char(decimalSeparator())};
      const QString expected = qEnvironmentVariable("QUORVEX_EXPECT_SEPARATOR");
      if (saving == 0 && !expected.isEmpty())
        QCOMPARE(sep, expected);
      typeInto(control<QLineEdit>(window, "V_Q"), "p;k;m;n;z");
      window.Session().Grid().SetCell(1, 5, "7\t\n");
      typeInto(control<QLineEdit>(window, "V_Q"), "p;k;m;n"); // z hidden
      const QStringList values = {"1000", "0" + sep + "05", "12", "10"};
      for (int row = 1; row <= 4; ++row)
        window.Session().Grid().SetCell(1, row, values[row - 1].toStdString());
      setFormula(window, QStringLiteral("p*power((1+k/m);(m*n)) interest"), 0);
      click(control<QAbstractButton>(window, "ComputeSpdbtn"));
      QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(),
               "1647" + sep + "00949769028");
      useFileDialog(window, QKeySequence::Save, folder.filePath("interest"));
    }
    QVERIFY(QFile::exists(folder.filePath("interest.qvws")));

    useLocale(opening);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    // The cell editor on a row that the opened grid does not show.
    typeInto(control<QLineEdit>(window, "V_Q"), "x;a;b;c;d;e");
    control<VariableGridView>(window, "SG_Variables")->editValueCell(6);
    const QString logs =
        QString::fromStdString(std::string(window.Session().Memo2().Text()));
    useFileDialog(window, QKeySequence::Open, folder.filePath("interest.qvws"));
    const QString sep{QLatin1Char(decimalSeparator())};
    QCOMPARE(control<QLineEdit>(window, "Edit1")->text(),
             "p*power((1+k/m);(m*n)) interest");
    QCOMPARE(control<QLineEdit>(window, "V_Q")->text(), "p;k;m;n");
    QCOMPARE(control<QLineEdit>(window, "edVarQuantity")->text(), "4");
    QCOMPARE(control<VariableGridView>(window, "SG_Variables")->item(2, 1)->text(),
             "0" + sep + "05");
    QCOMPARE(window.Session().Grid().Cell(1, 5), "7\t\n");
    QVERIFY(control<QLineEdit>(window, "EditYValue")->text().isEmpty());
    QCOMPARE(window.Session().ComputeCount(), 1);
    QCOMPARE(QString::fromStdString(std::string(window.Session().Memo2().Text())), logs);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(),
             "1647" + sep + "00949769028");
  }

  void badFilesLeaveTheWindowAsItWas_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem");
    const QByteArray sheet =
        "Quorvex worksheet 1\nseparator \".\"\nformula \"x\"\nassign "
        "\"x\"\nshown 1\nrow \"x\" \"3\"\nend\n";
    QTest::newRow("missing") << QByteArray() << "No such file or directory";
    QTest::newRow("empty") << QByteArray("") << "the file is empty";
    QTest::newRow("not a worksheet")
        << QByteArray("x;y\n") << "it is not a Quorvex worksheet";
    QTest::newRow("newer") << QByteArray(sheet).replace(" 1\n", " 2\n") << "version 2";
    QTest::newRow("truncated") << sheet.left(sheet.size() - 5) << "it is cut short";
    QTest::newRow("over the limit")
        << sheet + QByteArray(maxWorksheetBytes, '#') << "larger than 16 MiB";
    QTest::newRow("invalid UTF-8")
        << QByteArray(sheet).replace("\"3\"", "\"\xFF\"") << "line 6 is not UTF-8 text";
    QTest::newRow("BOM and CRLF open")
        << "\xEF\xBB\xBF" + QByteArray(sheet).replace("\n", "\r\n") << QString();
  }
  void badFilesLeaveTheWindowAsItWas() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const QTemporaryDir folder;
    const QString path = folder.filePath("sheet.qvws");
    QFile file(path);
    QVERIFY(bytes.isNull() ||
            (file.open(QIODevice::WriteOnly) && file.write(bytes) >= 0));
    file.close();
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    typeInto(control<QLineEdit>(window, "V_Q"), "a;b");
    setFormula(window, QStringLiteral("a+b"), 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    const QStringList before = windowState(window);
    ReportCapture reports;
    const bool opened = window.openWorksheetFile(path);
    QCOMPARE(opened, problem.isEmpty());
    if (opened) {
      QCOMPARE(control<QLineEdit>(window, "Edit1")->text(), "x");
      return;
    }
    QCOMPARE(reports.messages.size(), 1);
    const QString &message = reports.messages.front();
    QVERIFY2(message.startsWith("Cannot open the worksheet \"" + path + "\": ") &&
                 message.contains(problem) && message.endsWith('.'),
             qPrintable(message));
    QCOMPARE(windowState(window), before);
  }

  void failedSavesKeepTheFile() {
    const QTemporaryDir folder;
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    const QString kept = folder.filePath("kept.qvws");
    replaceFile(kept.toStdString(), "old");
    QFile::setPermissions(kept, QFile::ReadOwner);
    ReportCapture reports;
    QVERIFY(!window.saveWorksheetFile(kept));
    QVERIFY(!window.saveLogFile(folder.filePath("none/log.txt")));
    QCOMPARE(
        reports.messages,
        QStringList({"Cannot save the worksheet \"" + kept +
                         "\": it is read-only. The file that was there is unchanged.",
                     "Cannot save the log \"" + folder.filePath("none/log.txt") +
                         "\": No such file or directory. Nothing was written."}));
    QCOMPARE(readFileStart(kept.toStdString(), 10), "old");
  }

  void logIsSavedAsUtf8AsPrintWouldReportIt() {
    const QTemporaryDir folder;
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, QStringLiteral("2 ≈ two"), 0);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    for (const char *preference : {"Intermediateresult1", "Allsessionresults1"}) {
      if (QString::fromLatin1(preference) == "Allsessionresults1")
        control<QAction>(window, preference)->trigger();
      QVERIFY(window.saveLogFile(folder.filePath(preference)));
      const std::string saved =
          readFileStart(folder.filePath(preference).toStdString(), 1000);
      QCOMPARE(saved, std::string(window.Session().PrintSource().Text()));
      QVERIFY(saved.find("F = 2 \xE2\x89\x88 two\n") != std::string::npos);
    }
  }

  // The report says in the user's language what the session says in English.
  void reportTextsMatchTheSessions() {
    std::vector<std::unique_ptr<Exception>> errors;
    for (int p = 0; p <= int(EWorksheetError::Problem::MissingEntry); ++p)
      errors.push_back(
          std::make_unique<EWorksheetError>(EWorksheetError::Problem(p), 3, "d"));
    for (const auto p : {EFileError::Problem::NotAFile, EFileError::Problem::ReadOnly})
      errors.push_back(std::make_unique<EFileError>(p, 0));
    for (const auto &error : errors)
      QCOMPARE(FileErrorText::openWorksheet("f", *error),
               "Cannot open the worksheet \"f\": " + QString::fromUtf8(error->what()));
  }
};

QUORVEX_TEST_MAIN(WorksheetTest)
#include "worksheet_test.moc"
