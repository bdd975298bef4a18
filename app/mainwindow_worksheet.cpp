// The main window's files, written and read only when the user asks: the
// computation on screen saved as a worksheet and opened again, and the log
// that Print would report saved as text.

#include "mainwindow.h"

#include "errorreport.h"
#include "fileerrortext.h"
#include "formulalineedit.h"

#include "session/textfile.h"
#include "session/worksheet.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace quorvex {

namespace {

const QString worksheetSuffix = QStringLiteral("qvws");

std::string localPath(const QString &path) {
  return QFile::encodeName(path).toStdString();
}

// A save dialog that adds the suffix to a name typed without one and asks
// before it replaces a file.
QString askSavePath(QWidget *parent, const QString &title, const QStringList &filters,
                    const QString &suffix, const QString &proposed) {
  QFileDialog dialog(parent, title);
  dialog.setObjectName(QStringLiteral("saveDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setNameFilters(filters);
  dialog.setDefaultSuffix(suffix);
  if (!proposed.isEmpty())
    dialog.selectFile(proposed);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
    return {};
  return dialog.selectedFiles().constFirst();
}

QStringList worksheetFilters() {
  return {TF_Main_LSF::tr("Quorvex worksheets (*.%1)").arg(worksheetSuffix),
          TF_Main_LSF::tr("All files (*)")};
}

} // namespace

void TF_Main_LSF::createFileCommands() {
  auto *print = findChild<QAction *>(QStringLiteral("Print1"));
  QMenu *file = nullptr;
  for (QAction *title : MainMenu1->actions())
    if (title->menu() && title->menu()->actions().contains(print))
      file = title->menu();
  struct Command {
    const char *name;
    QString caption;
    QString hint;
    QKeySequence key;
    void (TF_Main_LSF::*handler)();
  };
  const Command commands[] = {
      {"openWorksheetAction", tr("&Open Worksheet..."),
       tr("Open a saved worksheet: its formula, variables and values."),
       QKeySequence::Open, &TF_Main_LSF::askOpenWorksheet},
      {"saveWorksheetAction", tr("&Save Worksheet..."),
       tr("Save the formula, the variables and their values as a worksheet."),
       QKeySequence::Save, &TF_Main_LSF::askSaveWorksheet},
      {"saveLogAction", tr("Save &Log..."),
       tr("Save the report of calculation session as a text file."), QKeySequence(),
       &TF_Main_LSF::askSaveLog},
  };
  for (const Command &command : commands) {
    auto *action = new QAction(command.caption, this);
    action->setObjectName(QLatin1String(command.name));
    action->setProperty("hint", command.hint);
    action->setShortcut(command.key);
    file->insertAction(print, action);
    const auto handler = command.handler;
    connect(action, &QAction::triggered, this,
            [this, handler] { runAction([this, handler] { (this->*handler)(); }); });
  }
  file->insertSeparator(print)->setObjectName(QStringLiteral("worksheetSeparator"));
}

void TF_Main_LSF::askOpenWorksheet() {
  QFileDialog dialog(this, tr("Open Worksheet"), QFileInfo(FWorksheetPath).path());
  dialog.setObjectName(QStringLiteral("openDialog"));
  dialog.setAcceptMode(QFileDialog::AcceptOpen);
  dialog.setFileMode(QFileDialog::ExistingFile);
  dialog.setNameFilters(worksheetFilters());
  if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
    openWorksheetFile(dialog.selectedFiles().constFirst());
}

void TF_Main_LSF::askSaveWorksheet() {
  const QString path = askSavePath(this, tr("Save Worksheet"), worksheetFilters(),
                                   worksheetSuffix, FWorksheetPath);
  if (!path.isEmpty())
    saveWorksheetFile(path);
}

void TF_Main_LSF::askSaveLog() {
  const QString path =
      askSavePath(this, tr("Save Log"), {tr("Text files (*.txt)"), tr("All files (*)")},
                  QStringLiteral("txt"), QString());
  if (!path.isEmpty())
    saveLogFile(path);
}

bool TF_Main_LSF::openWorksheetFile(const QString &path) {
  Worksheet worksheet;
  try {
    worksheet = loadWorksheet(localPath(path));
  } catch (const std::exception &error) {
    ErrorReport::report(FileErrorText::openWorksheet(path, error));
    return false;
  }
  openWorksheet(*FSession, worksheet);
  // Each box's change pulls both boxes into the session, so the texts are
  // taken before either is set; the session holds them again once both are.
  const QString formula = QString::fromStdString(FSession->FormulaText());
  const QString assign = QString::fromStdString(FSession->AssignText());
  Edit1->setText(formula);
  Edit1->setCursorPosition(0);
  V_Q->setText(assign);
  V_Q->setCursorPosition(0);
  ShowSession();
  ShowEditState();
  // A note on the last Compute concerns a result no longer shown.
  if (FComputeNoteShown) {
    StatusBar1->clearMessage();
    FComputeNoteShown = false;
  }
  FWorksheetPath = QFileInfo(path).absoluteFilePath();
  Edit1->setFocus(Qt::OtherFocusReason);
  return true;
}

bool TF_Main_LSF::saveWorksheetFile(const QString &path) {
  PullBoxes();
  const bool existed = QFileInfo::exists(path);
  try {
    saveWorksheet(localPath(path), worksheetOf(*FSession));
  } catch (const std::exception &error) {
    ErrorReport::report(FileErrorText::saveWorksheet(path, error, existed));
    return false;
  }
  FWorksheetPath = QFileInfo(path).absoluteFilePath();
  StatusBar1->showMessage(tr("Saved the worksheet %1").arg(QFileInfo(path).fileName()));
  FComputeNoteShown = true;
  return true;
}

bool TF_Main_LSF::saveLogFile(const QString &path) {
  const bool existed = QFileInfo::exists(path);
  try {
    replaceFile(localPath(path), FSession->PrintSource().Text());
  } catch (const std::exception &error) {
    ErrorReport::report(FileErrorText::saveLog(path, error, existed));
    return false;
  }
  StatusBar1->showMessage(tr("Saved the log %1").arg(QFileInfo(path).fileName()));
  FComputeNoteShown = true;
  return true;
}

} // namespace quorvex
