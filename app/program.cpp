#include "program.h"

#include "aboutwindow.h"
#include "documentationwindow.h"
#include "mainwindow.h"
#include "printreportwindow.h"

#include <QScreen>

#include <algorithm>

namespace quorvex {

QuorvexProgram::QuorvexProgram()
    : mainWindow_(std::make_unique<TF_Main_LSF>()),
      aboutForm_(std::make_unique<TAboutForm>(mainWindow_.get())),
      printForm_(std::make_unique<TTextPrintForm>(mainWindow_.get())),
      helperForm_(std::make_unique<THelperForm>(mainWindow_.get())) {
  mainWindow_->SetPrintForm(printForm_.get());
  mainWindow_->SetHelperForm(helperForm_.get());
  centreOnScreen(*printForm_);
  centreOnScreen(*helperForm_);
}

QuorvexProgram::~QuorvexProgram() = default;

void QuorvexProgram::show() {
  centreOnScreen(*mainWindow_);
  mainWindow_->show();
}

void centreOnScreen(QWidget &window) {
  if (const QScreen *screen = window.screen()) {
    QRect frame = window.frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    window.move(frame.topLeft());
  }
}

} // namespace quorvex

namespace quorvex {

void placeBeside(QWidget &window, const QWidget &opener) {
  const QRect screen = opener.screen()->availableGeometry();
  QRect place(opener.frameGeometry().topRight() + QPoint(8, 0), window.size());
  if (!screen.contains(place))
    place.moveTopLeft(opener.frameGeometry().topLeft() + QPoint(24, 24));
  place.moveLeft(
      std::max(screen.left(), std::min(place.left(), screen.right() - place.width())));
  place.moveTop(
      std::max(screen.top(), std::min(place.top(), screen.bottom() - place.height())));
  window.move(place.topLeft());
}

} // namespace quorvex
