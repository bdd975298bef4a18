#include "workerpool.h"

#include <pthread.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <limits>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

namespace quorvex {

unsigned usableCpus() noexcept {
  cpu_set_t set;
  CPU_ZERO(&set);
  if (::sched_getaffinity(0, sizeof set, &set) == 0 && CPU_COUNT(&set) > 0)
    return static_cast<unsigned>(CPU_COUNT(&set));
  const long online = ::sysconf(_SC_NPROCESSORS_ONLN);
  return online > 0 ? static_cast<unsigned>(online) : 1;
}

namespace {

// A pool thread between two jobs; it lives on that thread's stack.
struct IdleThread {
  std::function<void()> job;
  std::condition_variable wake;
};

class Pool {
public:
  Pool() {
    // A forked child has only the thread that forked: the waiting threads
    // it inherited the list of are not there to take a job, so it forgets
    // them (with the lock held across the fork, the list is whole).
    ::pthread_atfork([] { instance().mutex_.lock(); }, [] { instance().mutex_.unlock(); },
                     [] {
                       Pool &pool = instance();
                       pool.idle_.clear();
                       pool.mutex_.unlock();
                     });
  }

  // Never destroyed: its threads wait on it until the process ends, and a
  // thread may still be finishing a job while static objects are destroyed.
  static Pool &instance() {
    static Pool &pool = *std::make_unique<Pool>().release();
    return pool;
  }

  void run(std::function<void()> job) {
    std::unique_lock lock(mutex_);
    if (idle_.empty()) {
      lock.unlock();
      std::thread(&Pool::serve, this, std::move(job)).detach();
      return;
    }
    IdleThread *thread = idle_.back();
    idle_.pop_back();
    thread->job = std::move(job);
    // The thread takes its job under the lock, so it waits for this.
    thread->wake.notify_one();
  }

private:
  void serve(std::function<void()> job) {
    IdleThread self;
    for (;;) {
      job();
      job = nullptr; // what the job holds goes before the wait
      std::unique_lock lock(mutex_);
      idle_.push_back(&self);
      self.wake.wait(lock, [&self] { return self.job != nullptr; });
      job = std::move(self.job);
      self.job = nullptr;
    }
  }

  std::mutex mutex_;
  std::vector<IdleThread *> idle_;
};

} // namespace

void runOnPoolThread(std::function<void()> job) {
  Pool::instance().run(std::move(job));
}

void runTasks(std::size_t tasks, std::size_t lanes,
              const std::function<void(std::size_t task, std::size_t lane)> &work) {
  lanes = std::min(lanes, tasks);
  if (lanes <= 1) {
    for (std::size_t task = 0; task < tasks; ++task)
      work(task, 0);
    return;
  }
  struct Shared {
    std::atomic<std::size_t> next{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable finished;
    std::size_t running = 0; // pool lanes not yet finished
    std::size_t failedTask = std::numeric_limits<std::size_t>::max();
    std::exception_ptr error;
  } shared;
  const auto runLane = [&](std::size_t lane) noexcept {
    while (!shared.failed.load(std::memory_order_relaxed)) {
      const std::size_t task = shared.next.fetch_add(1, std::memory_order_relaxed);
      if (task >= tasks)
        return;
      try {
        work(task, lane);
      } catch (...) {
        const std::lock_guard lock(shared.mutex);
        if (task < shared.failedTask) {
          shared.failedTask = task;
          shared.error = std::current_exception();
        }
        shared.failed = true;
      }
    }
  };
  for (std::size_t lane = 1; lane < lanes; ++lane) {
    {
      const std::lock_guard lock(shared.mutex);
      ++shared.running;
    }
    try {
      runOnPoolThread([&shared, &runLane, lane] {
        runLane(lane);
        const std::lock_guard lock(shared.mutex);
        --shared.running;
        shared.finished.notify_one();
      });
    } catch (const std::system_error &) {
      // No more threads to be had: the lanes started share the tasks.
      const std::lock_guard lock(shared.mutex);
      --shared.running;
      break;
    }
  }
  runLane(0);
  std::unique_lock lock(shared.mutex);
  shared.finished.wait(lock, [&shared] { return shared.running == 0; });
  if (shared.error)
    std::rethrow_exception(shared.error);
}

} // namespace quorvex
