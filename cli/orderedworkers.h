#pragma once

#include "engine/workerpool.h"

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

// A fixed set of workers, each on a thread of the process's pool, that work
// on the items handed to them and give them back in the order they were
// handed in, whichever finished first. One thread (the owner's) submits and
// takes; each worker has an index, so that it can keep state of its own
// between items.

namespace quorvex {

template <class Item> class OrderedWorkers {
public:
  using Work = std::function<void(std::size_t worker, Item &item)>;

  OrderedWorkers(std::size_t workers, Work work) : work_(std::move(work)) {
    try {
      for (std::size_t i = 0; i < workers; ++i) {
        {
          const std::lock_guard lock(mutex_);
          ++running_;
        }
        runOnPoolThread([this, i] { run(i); });
      }
    } catch (...) {
      {
        const std::lock_guard lock(mutex_);
        --running_;
      }
      stop();
      throw;
    }
  }
  // Lets every worker finish the item it holds; items not taken are dropped.
  ~OrderedWorkers() { stop(); }
  OrderedWorkers(const OrderedWorkers &) = delete;
  OrderedWorkers &operator=(const OrderedWorkers &) = delete;

  void submit(std::unique_ptr<Item> item) {
    {
      const std::lock_guard lock(mutex_);
      entries_.push_back({std::move(item), false, nullptr});
    }
    workReady_.notify_one();
  }
  // Items submitted and not yet taken.
  std::size_t inFlight() const {
    const std::lock_guard lock(mutex_);
    return entries_.size();
  }
  // The oldest item not yet taken, once worked on; when it is not yet done,
  // waits for it if wait, else returns null. Null when none is in flight.
  // Rethrows what the work on it threw.
  std::unique_ptr<Item> takeOldest(bool wait) {
    std::unique_lock lock(mutex_);
    if (entries_.empty())
      return nullptr;
    if (!entries_.front().done) {
      if (!wait)
        return nullptr;
      done_.wait(lock, [this] { return entries_.front().done; });
    }
    Entry entry = std::move(entries_.front());
    entries_.pop_front();
    --nextToStart_;
    lock.unlock();
    if (entry.error)
      std::rethrow_exception(entry.error);
    return std::move(entry.item);
  }

private:
  struct Entry {
    std::unique_ptr<Item> item;
    bool done;
    std::exception_ptr error;
  };

  void run(std::size_t worker) {
    std::unique_lock lock(mutex_);
    for (;;) {
      workReady_.wait(lock,
                      [this] { return stopping_ || nextToStart_ < entries_.size(); });
      if (stopping_) {
        --running_;
        stopped_.notify_all();
        return;
      }
      // A deque keeps its elements in place while others come and go.
      Entry &entry = entries_[nextToStart_++];
      lock.unlock();
      std::exception_ptr error;
      try {
        work_(worker, *entry.item);
      } catch (...) {
        error = std::current_exception();
      }
      lock.lock();
      entry.error = error;
      entry.done = true;
      done_.notify_one();
    }
  }

  void stop() {
    {
      const std::lock_guard lock(mutex_);
      stopping_ = true;
    }
    workReady_.notify_all();
    std::unique_lock lock(mutex_);
    stopped_.wait(lock, [this] { return running_ == 0; });
  }

  Work work_;
  mutable std::mutex mutex_;
  std::condition_variable workReady_;
  std::condition_variable done_;
  std::deque<Entry> entries_;   // submitted and not yet taken, in order
  std::size_t nextToStart_ = 0; // index in entries_ of the first not started
  bool stopping_ = false;
  std::condition_variable stopped_;
  std::size_t running_ = 0; // workers that have not yet seen stopping_
};

} // namespace quorvex
