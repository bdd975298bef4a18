// The main window's result formats: the submenu in View and in the result
// box's context menu, and the window of the last result in every format.

#include "mainwindow.h"

#include "errorreport.h"
#include "program.h"
#include "resultformatmenu.h"
#include "resultformatswindow.h"
#include "selectionlineedit.h"

#include <QAction>

#include <memory>

namespace quorvex {

void TF_Main_LSF::CreateResultFormatMenu() {
  FResultFormatMenu = new ResultFormatMenu(this);
  // The View menu is the one that holds the Statusbar item.
  auto *view = qobject_cast<QMenu *>(Statusbar2->parent());
  view->addSeparator();
  view->addMenu(FResultFormatMenu);
  connect(FResultFormatMenu, &ResultFormatMenu::formatChosen, this,
          [this](const NumberFormat &format) {
            runAction([this, format] { ChooseResultFormat(format); });
          });
  connect(FResultFormatMenu, &ResultFormatMenu::allFormatsRequested, this,
          [this] { runAction([this] { ShowFormatsWindow(); }); });
  EditYValue->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(EditYValue, &QWidget::customContextMenuRequested, this,
          &TF_Main_LSF::EditYValueContextPopup);
}

// The box's own commands (Copy, Select All), then the formats.
void TF_Main_LSF::EditYValueContextPopup(const QPoint &position) {
  const std::unique_ptr<QMenu> menu(EditYValue->createStandardContextMenu());
  menu->addSeparator();
  menu->addMenu(FResultFormatMenu);
  menu->exec(EditYValue->mapToGlobal(position));
}

void TF_Main_LSF::ChooseResultFormat(const NumberFormat &format) {
  FSession->SetResultFormat(format);
  FResultFormatMenu->showFormat(format);
  ShowSession();
}

void TF_Main_LSF::ShowFormatsWindow() {
  if (!FFormatsWindow) {
    FFormatsWindow = new ResultFormatsWindow(this);
    placeBeside(*FFormatsWindow, *this);
  }
  FFormatsWindow->showValue(FSession->LastResult(), FResultFormatMenu->listedFormats());
  FFormatsWindow->show();
  FFormatsWindow->raise();
  FFormatsWindow->activateWindow();
}

} // namespace quorvex
