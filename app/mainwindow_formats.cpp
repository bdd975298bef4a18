// The main window's result formats: the submenu in View and in the result
// box's context menu, and the window of the last result in every format.

#include "mainwindow.h"

#include "errorreport.h"
#include "resultformatmenu.h"
#include "resultformatswindow.h"
#include "selectionlineedit.h"

#include <QAction>
#include <QScreen>

#include <algorithm>
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
    // Beside the main window where the screen has room, else over it; on
    // the screen either way.
    const QRect screen = this->screen()->availableGeometry();
    QRect place(frameGeometry().topRight() + QPoint(8, 0), FFormatsWindow->size());
    if (!screen.contains(place))
      place.moveTopLeft(frameGeometry().topLeft() + QPoint(24, 24));
    place.moveLeft(
        std::max(screen.left(), std::min(place.left(), screen.right() - place.width())));
    place.moveTop(
        std::max(screen.top(), std::min(place.top(), screen.bottom() - place.height())));
    FFormatsWindow->move(place.topLeft());
  }
  FFormatsWindow->showValue(FSession->LastResult(), FResultFormatMenu->listedFormats());
  FFormatsWindow->show();
  FFormatsWindow->raise();
  FFormatsWindow->activateWindow();
}

} // namespace quorvex
