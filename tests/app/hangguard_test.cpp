// The widget tests' guards against hanging, run on tests that go wrong on
// purpose: every row here must fail (and end), and the watchdog must name
// the function that hangs. CTest runs this program with a short budget and
// checks its output; it is never part of a passing run.

#include "apptest.h"

#include <QMessageBox>

#include <chrono>
#include <stdexcept>
#include <thread>

using namespace quorvex::test;

class HangGuardTest final : public QObject {
  Q_OBJECT

private slots:
  void failsInsteadOfHanging_data() {
    QTest::addColumn<QString>("mistake");
    QTest::newRow("check fails") << "check";
    QTest::newRow("work throws") << "throw";
    QTest::newRow("work leaves it open") << "open";
    QTest::newRow("shows too late") << "late";
    QTest::newRow("nobody waits") << "unclaimed";
  }
  void failsInsteadOfHanging() {
    QFETCH(QString, mistake);
    QMessageBox box(QMessageBox::Information, "Guarded", "A modal box");
    if (mistake == "check")
      whenModal("the box", [](QWidget &) { QVERIFY2(false, "on purpose"); });
    else if (mistake == "throw")
      whenModal("the box", [](QWidget &) { throw std::runtime_error("on purpose"); });
    else if (mistake == "open")
      whenModal("the box", [](QWidget &) {});
    else if (mistake == "late") {
      whenModal("the box", [](QWidget &modal) { closeModalFor(modal); });
      QTest::qWait(waitBudgetMs() + waitBudgetMs() / 2);
    }
    box.exec();
  }

  void hangs() {
    for (;;)
      std::this_thread::sleep_for(std::chrono::seconds(1));
  }

private:
  static void closeModalFor(QWidget &modal) { modal.close(); }
};

QUORVEX_TEST_MAIN(HangGuardTest)
#include "hangguard_test.moc"
