#pragma once

#include <cstddef>
#include <functional>

// The process's threads for work split over several of them: the library's
// columns call, the plot's points and the table mode's blocks. A thread
// that finishes its work waits for the next, so that a caller who splits
// work often (a plot redrawn, a column evaluated in pieces) pays for no
// thread's start after the first. A process that forks may use them in the
// child as in the parent: the child starts threads of its own as it needs
// them.

namespace quorvex {

// The CPUs this process may run on, which may be fewer than the machine has.
unsigned usableCpus() noexcept;

// Runs job on a thread of the pool: one that waits for work, or a new one
// when none does, so that the job starts at once whatever the others are
// doing. The job must not throw. Throws std::system_error when no thread
// can be started.
void runOnPoolThread(std::function<void()> job);

// Runs work(task, lane) for each task 0 .. tasks - 1 on up to lanes threads
// at once: lane 0 is the calling thread, lanes 1 .. lanes - 1 threads of the
// pool. A lane runs its tasks one after the other, so whatever a caller
// keeps per lane needs no lock; tasks are handed out in ascending order.
// Returns when every task has run. When tasks throw, the tasks not yet
// handed out are dropped and the exception of the lowest of them is
// rethrown. With one lane (or fewer threads to be had) the caller runs
// every task itself, in order.
void runTasks(std::size_t tasks, std::size_t lanes,
              const std::function<void(std::size_t task, std::size_t lane)> &work);

} // namespace quorvex
