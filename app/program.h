#pragma once

#include <memory>

class QWidget;

// The program's windows as start-up creates them: the main window first,
// then the about, print report and documentation windows, hidden.

namespace quorvex {

class TAboutForm;
class TF_Main_LSF;
class THelperForm;
class TTextPrintForm;

class QuorvexProgram final {
public:
  QuorvexProgram();
  ~QuorvexProgram();
  QuorvexProgram(const QuorvexProgram &) = delete;
  QuorvexProgram &operator=(const QuorvexProgram &) = delete;

  TF_Main_LSF &mainWindow() noexcept { return *mainWindow_; }
  TTextPrintForm &printForm() noexcept { return *printForm_; }
  THelperForm &helperForm() noexcept { return *helperForm_; }
  // Never shown: the About command builds a fresh window each time.
  TAboutForm &aboutForm() noexcept { return *aboutForm_; }

  // Shows the main window centred on its screen.
  void show();

private:
  // Declared first so it is destroyed last: the others are its children.
  std::unique_ptr<TF_Main_LSF> mainWindow_;
  std::unique_ptr<TAboutForm> aboutForm_;
  std::unique_ptr<TTextPrintForm> printForm_;
  std::unique_ptr<THelperForm> helperForm_;
};

// Moves a top-level window to the middle of its screen.
void centreOnScreen(QWidget &window);
// Moves a secondary window beside opener where the screen has room, else
// over it a little down and right; on the screen either way.
void placeBeside(QWidget &window, const QWidget &opener);

} // namespace quorvex
