#include "apptest.h"

#include "app/selectionlineedit.h"
#include "app/variablegridview.h"

#include <QTimer>

namespace quorvex::test {

ReportCapture::ReportCapture()
    : previous_(ErrorReport::setSink(
          [this](const QString &text) { messages.append(text); })) {}

ReportCapture::~ReportCapture() { ErrorReport::setSink(std::move(previous_)); }

std::unique_ptr<QuorvexProgram> startProgram() {
  auto program = std::make_unique<QuorvexProgram>();
  program->show();
  QApplication::setActiveWindow(&program->mainWindow());
  if (!QTest::qWaitForWindowActive(&program->mainWindow()))
    qWarning("main window did not become active");
  return program;
}

void click(QAbstractButton *button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier,
                    button->rect().center());
}

void focus(QWidget *widget) {
  widget->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

void setFormula(TF_Main_LSF &window, const QString &text, int selStart,
                int selLength) {
  focus(control<QLineEdit>(window, "Edit1"));
  control<QLineEdit>(window, "Edit1")->setText(text);
  if (selLength > 0)
    control<QLineEdit>(window, "Edit1")->setSelection(selStart, selLength);
  else
    control<QLineEdit>(window, "Edit1")->setCursorPosition(selStart);
}

void setValue(TF_Main_LSF &window, const QString &value) {
  window.session().Grid().SetCell(1, 1, value.toStdString());
  control<VariableGridView>(window, "SG_Variables")->refresh();
}

void whenModal(std::function<void(QWidget &)> work, bool *ran) {
  if (ran)
    *ran = false;
  // Owned by the application; it deletes itself once done or given up.
  auto *timer = new QTimer(QCoreApplication::instance());
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, timer,
          [timer, work = std::move(work), ran, tries = 0]() mutable {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->isVisible()) {
              timer->stop();
              timer->deleteLater();
              if (ran)
                *ran = true;
              work(*modal);
            } else if (++tries > 300) {
              timer->stop();
              timer->deleteLater();
            }
          });
  timer->start();
}

} // namespace quorvex::test
