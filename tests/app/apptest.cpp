#include "apptest.h"

#include "app/selectionlineedit.h"
#include "app/variablegridview.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <utility>

namespace quorvex::test {

ReportCapture::ReportCapture()
    : previous_(
          ErrorReport::setSink([this](const QString &text) { messages.append(text); })) {}

ReportCapture::~ReportCapture() {
  ErrorReport::setSink(std::move(previous_));
}

std::unique_ptr<QuorvexProgram> startProgram() {
  auto program = std::make_unique<QuorvexProgram>();
  program->show();
  QApplication::setActiveWindow(&program->mainWindow());
  if (!QTest::qWaitForWindowActive(&program->mainWindow(), waitBudgetMs()))
    qWarning("main window did not become active");
  return program;
}

QList<QWidget *> openEveryWindow(QuorvexProgram &program) {
  TF_Main_LSF &window = program.mainWindow();
  for (const char *item : {"plotAction", "allFormatsAction", "functionsAction"})
    control<QAction>(window, item)->trigger();
  program.printForm().setModal(false);
  program.printForm().show();
  program.helperForm().show();
  return {&window,
          control<QWidget>(window, "plotWindow"),
          control<QWidget>(window, "resultFormatsWindow"),
          control<QWidget>(window, "functionsWindow"),
          &program.printForm(),
          &program.helperForm()};
}

void click(QAbstractButton *button) {
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

void focus(QWidget *widget) {
  widget->setFocus(Qt::MouseFocusReason);
  QCoreApplication::processEvents();
}

void setFormula(TF_Main_LSF &window, const QString &text, int selStart, int selLength) {
  focus(control<QLineEdit>(window, "Edit1"));
  control<QLineEdit>(window, "Edit1")->setText(text);
  if (selLength > 0)
    control<QLineEdit>(window, "Edit1")->setSelection(selStart, selLength);
  else
    control<QLineEdit>(window, "Edit1")->setCursorPosition(selStart);
}

void setValue(TF_Main_LSF &window, const QString &value) {
  window.Session().Grid().SetCell(1, 1, value.toStdString());
  control<VariableGridView>(window, "SG_Variables")->refresh();
}

namespace {

int secondsFromEnvironment(const char *name, int fallback) {
  bool ok = false;
  const int seconds = qEnvironmentVariableIntValue(name, &ok);
  return ok && seconds > 0 ? seconds : fallback;
}

// "function(row)" of the test function running now, or empty between them.
QString runningTest() {
  const char *function = QTest::currentTestFunction();
  if (!function)
    return {};
  const char *row = QTest::currentDataTag();
  return row ? QStringLiteral("%1(%2)").arg(function, row)
             : QString::fromLatin1(function);
}

void fail(const QString &message) {
  QTest::qFail(qPrintable(message), __FILE__, __LINE__);
}

QWidget *shownModal() {
  QWidget *modal = QApplication::activeModalWidget();
  return modal && modal->isVisible() ? modal : nullptr;
}

QString describe(const QWidget &modal) {
  return QStringLiteral("%1 \"%2\"")
      .arg(QString::fromLatin1(modal.metaObject()->className()), modal.windowTitle());
}

void closeModal(QWidget &modal) {
  if (auto *dialog = qobject_cast<QDialog *>(&modal))
    dialog->reject();
  else
    modal.close();
}

// The drivers that wait for a modal, and the modals they work on: the guard
// leaves those alone.
int waitingDrivers = 0;
QList<QPointer<QWidget>> claimedModals;

bool isClaimed(const QWidget *modal) {
  return std::any_of(claimedModals.cbegin(), claimedModals.cend(),
                     [modal](const QPointer<QWidget> &m) { return m == modal; });
}

// One whenModal: polls for the modal, runs the work on it and makes sure the
// modal is closed afterwards. It belongs to the test function that made it
// and ends quietly when that function has returned.
class ModalDriver final : public QObject {
public:
  ModalDriver(const char *what, std::function<void(QWidget &)> work, bool *ran)
      : QObject(QCoreApplication::instance()), what_(QString::fromUtf8(what)),
        work_(std::move(work)), ran_(ran), test_(runningTest()) {
    ++waitingDrivers;
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::tick);
    timer_.start(10);
    elapsed_.start();
  }
  ~ModalDriver() override {
    if (waiting_)
      --waitingDrivers;
  }

private:
  void tick() {
    if (runningTest() != test_)
      return finish();
    QWidget *modal = shownModal();
    if (!waiting_) {
      // Given up: a modal that shows after all must not wait for ever.
      if (modal && !isClaimed(modal)) {
        closeModal(*modal);
        return finish();
      }
      if (elapsed_.hasExpired(waitBudgetMs()))
        finish();
      return;
    }
    if (modal && !isClaimed(modal))
      return work(*modal);
    if (elapsed_.hasExpired(waitBudgetMs())) {
      fail(QStringLiteral("%1 did not appear within %2 s")
               .arg(what_)
               .arg(waitBudgetMs() / 1000));
      stopWaiting();
      elapsed_.restart();
    }
  }

  void work(QWidget &modal) {
    timer_.stop(); // the work may run nested event loops
    stopWaiting();
    if (ran_)
      *ran_ = true;
    QPointer<QWidget> guarded(&modal);
    claimedModals.append(guarded);
    try {
      work_(modal);
    } catch (const std::exception &error) {
      fail(QStringLiteral("working on %1: %2").arg(what_, error.what()));
    } catch (...) {
      fail(QStringLiteral("working on %1: an exception").arg(what_));
    }
    claimedModals.removeAll(guarded);
    if (guarded && guarded->isVisible()) {
      if (!QTest::currentTestFailed())
        fail(QStringLiteral("the test left %1 open").arg(what_));
      closeModal(*guarded);
    }
    finish();
  }

  void stopWaiting() {
    if (std::exchange(waiting_, false))
      --waitingDrivers;
  }

  void finish() {
    timer_.stop();
    deleteLater();
  }

  const QString what_;
  std::function<void(QWidget &)> work_;
  bool *ran_;
  const QString test_;
  bool waiting_ = true;
  QTimer timer_;
  QElapsedTimer elapsed_;
};

} // namespace

int waitBudgetMs() {
  static const int budget =
      secondsFromEnvironment("QUORVEX_TEST_WAIT_SECONDS", 60) * 1000;
  return budget;
}

void whenModal(const char *what, std::function<void(QWidget &)> work, bool *ran) {
  if (ran)
    *ran = false;
  new ModalDriver(what, std::move(work), ran); // owned by the application
}

// The watchdog is a thread of its own, so that it also fires when the test
// is stuck outside the event loop.
struct HangGuard::State {
  State()
      : limit(secondsFromEnvironment("QUORVEX_WATCHDOG_SECONDS", 270)),
        program(
            QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString()) {
    QObject::connect(&poll, &QTimer::timeout, &poll, [this] { closeUnclaimedModal(); });
    poll.start(100);
    watchdog = std::thread([this] { watch(); });
  }

  ~State() {
    {
      const std::lock_guard lock(mutex);
      stopped = true;
    }
    wakeUp.notify_all();
    watchdog.join();
  }

  // A modal that no whenModal waits for or works on (an exec() the test did
  // not expect) is closed once it has stood for the whole budget.
  void closeUnclaimedModal() {
    QWidget *modal = shownModal();
    if (!modal || waitingDrivers > 0 || isClaimed(modal)) {
      unclaimed = nullptr;
      return;
    }
    if (unclaimed != modal) {
      unclaimed = modal;
      unclaimedSince.start();
      return;
    }
    if (!unclaimedSince.hasExpired(waitBudgetMs()))
      return;
    fail(QStringLiteral("%1 stayed open for %2 s with nothing to close it")
             .arg(describe(*modal))
             .arg(waitBudgetMs() / 1000));
    unclaimed = nullptr;
    closeModal(*modal);
  }

  void watch() {
    std::unique_lock lock(mutex);
    if (wakeUp.wait_for(lock, std::chrono::seconds(limit), [this] { return stopped; }))
      return;
    // Read from this thread while the test thread is stuck: the names live
    // in Qt Test's own records for the whole run, and the process ends here.
    const QString test = runningTest();
    std::fprintf(stderr,
                 "watchdog: %s still running after %d s, in test function "
                 "%s; aborting\n",
                 program.c_str(), limit,
                 test.isEmpty() ? "(between test functions)" : qPrintable(test));
    std::fflush(stderr);
    std::abort();
  }

  const int limit;
  const std::string program;
  QTimer poll;
  QPointer<QWidget> unclaimed;
  QElapsedTimer unclaimedSince;
  std::mutex mutex;
  std::condition_variable wakeUp;
  bool stopped = false;
  std::thread watchdog;
};

HangGuard::HangGuard() : state_(std::make_unique<State>()) {}

HangGuard::~HangGuard() = default;

} // namespace quorvex::test
