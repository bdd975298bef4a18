// The secondary windows: print report content and printing, the setup
// dialog, the documentation window and the about window.

#include "apptest.h"

#include "app/selectionlineedit.h"
#include "app/variablegridview.h"

#include "app/plotwindow.h"
#include "mathlib/catalogue.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTabBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QTextEdit>
#include <QTreeWidget>

using namespace quorvex;
using namespace quorvex::test;

namespace {

// What the print report window showed during one Print command, closed again
// through the given button.
QString reportOfPrint(TF_Main_LSF &window, TTextPrintForm &form) {
  QString shown;
  bool ran = false;
  whenModal(
      "the print report window",
      [&](QWidget &modal) {
        QCOMPARE(&modal, &form);
        shown = form.ReportText();
        click(control<QAbstractButton>(form, "Button2"));
      },
      &ran);
  control<QAction>(window, "Print1")->trigger();
  if (!ran)
    qWarning("the print report window did not show");
  return shown;
}

QString runTool(const QString &tool, const QStringList &arguments) {
  QProcess process;
  process.start(tool, arguments);
  if (!process.waitForFinished(60000) || process.exitCode() != 0)
    return QStringLiteral("<%1 failed>").arg(tool);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The letter Alt takes in a caption: the one after a single "&".
QChar altLetter(const QString &caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != QLatin1Char('&'))
      continue;
    if (caption[i + 1] != QLatin1Char('&'))
      return caption[i + 1].toUpper();
    ++i; // "&&" is a plain "&"
  }
  return {};
}

// Each caption of one scope that claims a letter claimed before it there.
void findClashes(const QString &scope, const QStringList &captions,
                 QStringList &clashes) {
  QHash<QChar, QString> claimed;
  for (const QString &caption : captions) {
    const QChar letter = altLetter(caption);
    if (letter.isNull())
      continue;
    if (claimed.contains(letter))
      clashes.append(scope + ": " + claimed[letter] + " and " + caption);
    claimed.insert(letter, caption);
  }
}

// Every caption of window (not of the windows it holds) that Alt may
// reach: its buttons, the labels of its fields, its groups, tabs and menu
// titles.
QStringList altCaptions(const QWidget &window) {
  QStringList captions;
  for (const QWidget *widget : window.findChildren<QWidget *>()) {
    if (widget->window() != &window)
      continue;
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
      captions.append(button->text());
    else if (const auto *label = qobject_cast<const QLabel *>(widget);
             label && label->buddy())
      captions.append(label->text());
    else if (const auto *group = qobject_cast<const QGroupBox *>(widget))
      captions.append(group->title());
    else if (const auto *tabs = qobject_cast<const QTabBar *>(widget))
      for (int i = 0; i < tabs->count(); ++i)
        captions.append(tabs->tabText(i));
    else if (const auto *bar = qobject_cast<const QMenuBar *>(widget))
      for (const QAction *action : bar->actions())
        captions.append(action->text());
  }
  return captions;
}

} // namespace

class WindowsTest final : public QObject {
  Q_OBJECT

private slots:
  void printReportShowsTheChosenLog() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    TTextPrintForm &form = program->printForm();
    QCOMPARE(reportOfPrint(window, form), QString()); // nothing computed yet

    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    setValue(window, "3");
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reportOfPrint(window, form),
             "Formula: F = 5.22 - 5.44E-4 * (x - 817)\nx: 3\nF value: 5.662816");
    control<QAction>(window, "Allsessionresults1")->trigger();
    QCOMPARE(reportOfPrint(window, form).split('\n').size(), 8);
    QVERIFY(reportOfPrint(window, form).startsWith("- - 1 - - - - - - - - -\n"));

    // A failed Compute empties the last computation, not the session.
    ReportCapture reports;
    setValue(window, "bad");
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(reports.messages.size(), 1);
    QCOMPARE(reportOfPrint(window, form).split('\n').size(), 8);
    control<QAction>(window, "Intermediateresult1")->trigger();
    QCOMPARE(reportOfPrint(window, form), QString());
  }

  void printReportEmptiesOnEveryClose_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Close button") << "button";
    QTest::newRow("title bar") << "close";
    QTest::newRow("Escape") << "escape";
  }
  void printReportEmptiesOnEveryClose() {
    QFETCH(QString, how);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    TTextPrintForm &form = program->printForm();
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QString edited;
    whenModal("the print report window", [&](QWidget &) {
      control<QTextEdit>(form, "RichEdit1")->setFocus();
      QTest::keyClicks(control<QTextEdit>(form, "RichEdit1"), "note ");
      edited = form.ReportText();
      if (how == "button")
        click(control<QAbstractButton>(form, "Button2"));
      else if (how == "close")
        form.close();
      else
        QTest::keyClick(&form, Qt::Key_Escape);
    });
    control<QAction>(window, "Print1")->trigger();
    QVERIFY(edited.startsWith("note Formula: F = "));
    QVERIFY(!form.isVisible());
    QVERIFY(control<QTextEdit>(form, "RichEdit1")->toPlainText().isEmpty());
    // The next Print shows the log again, not the edit.
    QVERIFY(reportOfPrint(window, form).startsWith("Formula: F = "));
  }

  void printReportWindowLayout() {
    auto program = startProgram();
    TTextPrintForm &form = program->printForm();
    QCOMPARE(form.windowTitle(), "Print report");
    QVERIFY(form.isModal());
    QVERIFY(form.width() >= 638 && form.height() >= 279);
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(control<QAbstractButton>(form, "Button3")->text(), "Printer &Setup");
    QCOMPARE(control<QAbstractButton>(form, "Button1")->text(), "&Print");
    QCOMPARE(control<QAbstractButton>(form, "Button2")->text(), "&Close");
    QVERIFY(!control<QTextEdit>(form, "RichEdit1")->isReadOnly());
  }

  void printingToAPdfFile_data() {
    QTest::addColumn<QString>("report");
    QTest::addColumn<int>("pages");
    QTest::newRow("report") << "Formula: F = 1 + 2\nF value: 3" << 1;
    QTest::newRow("empty report prints one empty page") << "" << 1;
    QString longReport;
    for (int line = 1; line <= 400; ++line)
      longReport += QStringLiteral("line %1 of the report\n").arg(line);
    QTest::newRow("long report continues on new pages") << longReport << -1;
  }
  void printingToAPdfFile() {
    QFETCH(QString, report);
    QFETCH(int, pages);
    if (QStandardPaths::findExecutable("pdftotext").isEmpty())
      QSKIP("pdftotext (poppler-utils) is not installed");
    auto program = startProgram();
    TTextPrintForm &form = program->printForm();
    QTemporaryDir dir;
    const QString file = dir.filePath("report.pdf");
    form.Printer().setOutputFormat(QPrinter::PdfFormat);
    form.Printer().setOutputFileName(file);
    form.SetReport(report.split('\n', Qt::SkipEmptyParts));
    ReportCapture reports;
    click(control<QAbstractButton>(form, "Button1"));
    QCOMPARE(reports.messages, QStringList());
    QVERIFY(QFile::exists(file));

    const QString info = runTool("pdfinfo", {file});
    QVERIFY2(info.contains(QRegularExpression("Title:\\s+Report\\n")), qPrintable(info));
    const QRegularExpression pageCount("Pages:\\s+(\\d+)");
    const int printed = pageCount.match(info).captured(1).toInt();
    if (pages > 0)
      QCOMPARE(printed, pages);
    else
      QVERIFY(printed > 1);

    const QString text = runTool("pdftotext", {"-layout", file, "-"});
    for (const QString &line : report.split('\n', Qt::SkipEmptyParts))
      QVERIFY2(text.contains(line), qPrintable(line));
  }

  void printingWithoutADestinationIsReported_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer") << ""
                                << "There is no default printer currently selected.";
    QTest::newRow("file cannot be created") << "/nonexistent-folder/report.pdf"
                                            << "Cannot create the file ";
  }
  void printingWithoutADestinationIsReported() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    TTextPrintForm &form = program->printForm();
    form.Printer().setOutputFormat(QPrinter::PdfFormat);
    form.Printer().setOutputFileName(file);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    ReportCapture reports;
    bool stayedOpen = false;
    QString text;
    whenModal("the print report window", [&](QWidget &) {
      click(control<QAbstractButton>(form, "Button1"));
      stayedOpen = form.isVisible();
      text = form.ReportText();
      click(control<QAbstractButton>(form, "Button2"));
    });
    control<QAction>(window, "Print1")->trigger();
    QCOMPARE(reports.messages.size(), 1);
    QVERIFY2(reports.messages.front().startsWith(message),
             qPrintable(reports.messages.front()));
    QVERIFY(stayedOpen);
    QVERIFY(text.startsWith("Formula: F = "));
  }

  // Without a printer the setup dialog offers a PDF file, which Print writes.
  void setupDialogChoosesThePrinterAndSavesNothing() {
    auto program = startProgram();
    TTextPrintForm &form = program->printForm();
    QTemporaryDir dir;
    QString accept;
    bool ran = false;
    whenModal(
        "the printer setup dialog",
        [&](QWidget &modal) {
          auto *dialog = qobject_cast<QPrintDialog *>(&modal);
          QVERIFY(dialog);
          QVERIFY(dialog->testOption(QAbstractPrintDialog::PrintToFile));
          if (auto *box = dialog->findChild<QDialogButtonBox *>())
            accept = box->button(QDialogButtonBox::Ok)->text();
          control<QComboBox>(*dialog, "printers")->setCurrentText("Print to File (PDF)");
          control<QLineEdit>(*dialog, "filename")->setText(dir.filePath("report.pdf"));
          dialog->accept();
        },
        &ran);
    click(control<QAbstractButton>(form, "Button3"));
    QVERIFY(ran);
    QCOMPARE(accept, "OK");
    click(control<QAbstractButton>(form, "Button1"));
    QVERIFY(QFile::exists(dir.filePath("report.pdf")));

    // The file chooser that "print to file" opens remembers its state on
    // destruction; none of that may reach the disk.
    { QFileDialog chooser(nullptr, "Print to file", QDir::tempPath()); }
    const QString config =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QVERIFY(!config.isEmpty());
    QVERIFY2(!QFile::exists(config + "/QtProject.conf"), qPrintable(config));
  }

  void documentationHasOneInstance() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    THelperForm &helper = program->helperForm();
    control<QAction>(window, "Help2")->trigger();
    QVERIFY(helper.isVisible());
    click(control<QAbstractButton>(window, "ToolButton3"));
    int shown = 0;
    for (QWidget *top : QApplication::topLevelWidgets())
      shown += qobject_cast<THelperForm *>(top) && top->isVisible();
    QCOMPARE(shown, 1);
    QCOMPARE(helper.windowTitle(), "Documentation");
    QVERIFY(control<QTextEdit>(helper, "RichEdit1")->isReadOnly());
    // Modeless: the main window still takes input.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "5.66336");
  }

  void documentationClosesOnItsFrameOnly() {
    auto program = startProgram();
    THelperForm &helper = program->helperForm();
    control<QAction>(program->mainWindow(), "Help2")->trigger();
    QTest::mouseClick(control<QTextEdit>(helper, "RichEdit1")->viewport(),
                      Qt::LeftButton);
    QVERIFY(helper.isVisible());
    QTest::mouseClick(control<QWidget>(helper, "Panel1"), Qt::LeftButton, Qt::NoModifier,
                      QPoint(1, 1));
    QVERIFY(!helper.isVisible());
  }

  // Ctrl+F shows a find field over the text; F3 and Shift+F3 go from match
  // to match, round the ends; Escape closes the field, then the window.
  void documentationFindsAndEscapeClosesFieldThenWindow() {
    auto program = startProgram();
    THelperForm &helper = program->helperForm();
    control<QAction>(program->mainWindow(), "Help2")->trigger();
    QApplication::setActiveWindow(&helper);
    QVERIFY(QTest::qWaitForWindowActive(&helper, waitBudgetMs()));
    auto *text = control<QTextEdit>(helper, "RichEdit1");
    auto *field = control<QLineEdit>(helper, "findEdit");
    const QRect textArea = text->geometry();
    QTest::keyClick(text, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), field);
    QVERIFY(textArea == text->geometry() && textArea.contains(field->geometry()));
    QTest::keyClicks(field, "deg");
    const int first = text->textCursor().selectionStart();
    QCOMPARE(text->textCursor().selectedText().toLower(), "deg");
    for (const auto &[modifier, after] : {std::pair{Qt::NoModifier, true},
                                          {Qt::ShiftModifier, false},
                                          {Qt::ShiftModifier, true}}) {
      QTest::keyClick(field, Qt::Key_F3, modifier);
      QCOMPARE(text->textCursor().selectionStart() > first, after);
    }
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(field->isHidden() && helper.isVisible());
    QTest::keyClick(text, Qt::Key_Escape);
    QVERIFY(!helper.isVisible());
  }

  void userGuideStatesTheFacts_data() {
    QTest::addColumn<QString>("fact");
    for (const char *fact : {"How to work with the program",
                             "x;y;z",
                             "Sin(30/Deg)",
                             "ArcTan(1)*Deg",
                             "4 - 2 + 1 = 3",
                             "4 * 5 * 6 / 1 * 2 * 3 = 720",
                             "sqrt(square(3)+square(4))",
                             "p*power((1+k/m);(m*n))",
                             "T;a;b;c;d;f;i;j;k;m",
                             "logbaseN(4;6.25)",
                             "1.602e-19",
                             "arccos(1/x)",
                             "arcsin(1/x)",
                             "Parse error: Expression too long",
                             "Parse error: Expression nested too deeply",
                             "eulermascheroni",
                             "twotopower63",
                             "arctan2",
                             "haversine",
                             "Decimal point",
                             "User-defined variables",
                             "Functions and their descriptions",
                             "Buttons",
                             "F9",
                             "Ctrl+Return",
                             "Alt+F",
                             "Alt+T",
                             "\"2.\" is 2",
                             "the operation that failed while computing"})
      QTest::newRow(fact) << QString::fromUtf8(fact);
  }
  void userGuideStatesTheFacts() {
    QFETCH(QString, fact);
    auto program = startProgram();
    QVERIFY(control<QTextEdit>(program->helperForm(), "RichEdit1")
                ->toPlainText()
                .contains(fact));
  }

  // The guide's catalogue sections are written in full: every function's
  // paragraph under its call as a formula writes it, every constant, the
  // counts, and no section left unwritten.
  void userGuideDescribesTheWholeCatalogue() {
    auto program = startProgram();
    const QString guide =
        control<QTextEdit>(program->helperForm(), "RichEdit1")->toPlainText();
    const auto text = [](std::string_view s) {
      return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
    };
    for (const CatalogueFunction &f : catalogueFunctions()) {
      const QString call =
          text(f.name) + '(' + text(f.arguments).remove(' ') + ") \u2014 ";
      QVERIFY2(guide.contains(call), qPrintable(call));
    }
    for (const CatalogueConstant &c : catalogueConstants())
      QVERIFY2(guide.contains(text(c.name)), c.name.data());
    QVERIFY(guide.contains(QString::number(catalogueFunctions().size()) +
                           " built-in functions"));
    QVERIFY(!guide.contains(QRegularExpression(QStringLiteral("\\{\\w+\\}"))));
  }

  // A format rewrites the result on screen without computing; the logs keep
  // General 15, Copy takes what the box shows, and the formats window lists
  // every format and copies the chosen line.
  void resultFormats() {
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    setFormula(window, "1/3", 3);
    click(control<QAbstractButton>(window, "ComputeSpdbtn"));
    whenModal("digits", [](QWidget &dialog) {
      control<QSpinBox>(dialog, "digitsBox")->setValue(3);
      QTest::keyClick(&dialog, Qt::Key_Return);
    });
    control<QAction>(window, "scientificFormat")->trigger();
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "3.33E-1");
    QCOMPARE(window.Session().ComputeCount(), 1);
    QVERIFY(window.Session().PrintSource().Text() ==
            "Formula: F = 1/3\nx: 2\nF value: 0.333333333333333\n");
    click(control<QAbstractButton>(window, "Copybtn"));
    QCOMPARE(QGuiApplication::clipboard()->text(), "3.33E-1");
    // Escape in the dialog leaves the format and its check mark as they were.
    whenModal("digits",
              [](QWidget &dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); });
    control<QAction>(window, "fixedFormat")->trigger();
    QVERIFY(control<QAction>(window, "scientificFormat")->isChecked());
    QCOMPARE(control<QLineEdit>(window, "EditYValue")->text(), "3.33E-1");

    control<QAction>(window, "allFormatsAction")->trigger();
    auto *formats = control<QWidget>(window, "resultFormatsWindow");
    QVERIFY(QTest::qWaitForWindowActive(formats));
    auto *list = control<QTreeWidget>(*formats, "formatList");
    QCOMPARE(list->topLevelItemCount(), 7);
    QCOMPARE(list->topLevelItem(1)->text(0), "Scientific (3 digits)");
    QCOMPARE(list->topLevelItem(6)->text(1), "0x1.5555555555555p-2");
    list->setFocus();
    list->setCurrentItem(list->topLevelItem(5));
    QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             "0.333333333333333314829616256247390992939472198486328125");
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!formats->isVisible());
  }

  // In every window and dialog each Alt letter leads to one place only;
  // within each menu, likewise. The user guide's key table names them all.
  void altLettersAreUnique() {
    auto program = startProgram();
    QList<QWidget *> windows = openEveryWindow(*program);
    windows.append(&program->aboutForm());
    const QString guide =
        control<QTextEdit>(program->helperForm(), "RichEdit1")->toPlainText();
    QStringList clashes, unlisted;
    int claims = 0;
    for (const QWidget *w : windows) {
      const QStringList captions = altCaptions(*w);
      findClashes(w->objectName(), captions, clashes);
      for (const QString &caption : captions) {
        const QChar letter = altLetter(caption);
        if (letter.isNull())
          continue;
        ++claims;
        if (!guide.contains(QStringLiteral("Alt+") + letter))
          unlisted.append(caption);
      }
      for (const QMenu *menu : w->findChildren<QMenu *>()) {
        QStringList items;
        for (const QAction *action : menu->actions())
          items.append(action->text());
        findClashes(menu->title(), items, clashes);
      }
    }
    QCOMPARE(clashes, QStringList());
    QCOMPARE(unlisted, QStringList());
    QVERIFY(claims >= 20); // the windows were all looked into
  }

  void aboutIsFreshForEveryShowing_data() {
    QTest::addColumn<QString>("closeBy");
    QTest::newRow("Ok button") << "ok";
    QTest::newRow("click on a label") << "label";
    QTest::newRow("click on the window") << "window";
  }
  void aboutIsFreshForEveryShowing() {
    QFETCH(QString, closeBy);
    auto program = startProgram();
    TF_Main_LSF &window = program->mainWindow();
    int destroyed = 0;
    QList<const void *> seen;
    for (int showing = 0; showing < 2; ++showing) {
      bool ran = false;
      whenModal(
          "the about window",
          [&](QWidget &modal) {
            auto *about = qobject_cast<TAboutForm *>(&modal);
            QVERIFY(about);
            QVERIFY(about != &program->aboutForm());
            QCOMPARE(about->windowTitle(), "About Quorvex");
            QCOMPARE(QApplication::focusWidget(),
                     control<QAbstractButton>(*about, "OKButton"));
            QStringList texts;
            for (const QLabel *label : about->findChildren<QLabel *>())
              texts.append(label->text());
            QVERIFY(texts.contains("Quorvex"));
            QVERIFY(texts.contains("version 5.4"));
            seen.append(about);
            connect(about, &QObject::destroyed, [&] { ++destroyed; });
            if (closeBy == "ok") {
              click(control<QAbstractButton>(*about, "OKButton"));
            } else if (closeBy == "label") {
              QLabel *label = about->findChildren<QLabel *>().back();
              QTest::mouseClick(label, Qt::LeftButton);
            } else {
              QTest::mouseClick(about, Qt::LeftButton, Qt::NoModifier,
                                QPoint(about->width() - 3, 3));
            }
          },
          &ran);
      if (showing == 0)
        control<QAction>(window, "About2")->trigger();
      else
        click(control<QAbstractButton>(window, "ToolButton2"));
      QVERIFY(ran);
      QCOMPARE(destroyed, showing + 1); // gone as soon as it closed
    }
    QCOMPARE(seen.size(), 2);
    QVERIFY(!program->aboutForm().isVisible());
  }
};

QUORVEX_TEST_MAIN(WindowsTest)
#include "windows_test.moc"
