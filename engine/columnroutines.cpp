#include "columnroutines.h"

#include <algorithm>
#include <mutex>
#include <utility>
#include <vector>

namespace quorvex {

namespace {

// A handful of entries, registered once and looked up when a program is
// translated: a list under a lock is enough, and a lookup from one thread
// never sees another's registration half done.
template <class Routine, class Column> class Registry {
public:
  void add(Routine routine, Column column) {
    const std::lock_guard lock(mutex_);
    const auto found = std::find_if(entries_.begin(), entries_.end(),
                                    [&](const auto &e) { return e.first == routine; });
    if (found != entries_.end())
      found->second = column;
    else
      entries_.emplace_back(routine, column);
  }

  Column find(Routine routine) const noexcept {
    const std::lock_guard lock(mutex_);
    for (const auto &[r, column] : entries_)
      if (r == routine)
        return column;
    return nullptr;
  }

private:
  mutable std::mutex mutex_;
  std::vector<std::pair<Routine, Column>> entries_;
};

Registry<Float (*)(Float), UnaryColumnRoutine> &unaryRegistry() {
  static Registry<Float (*)(Float), UnaryColumnRoutine> registry;
  return registry;
}

Registry<Float (*)(Float, Float), BinaryColumnRoutine> &binaryRegistry() {
  static Registry<Float (*)(Float, Float), BinaryColumnRoutine> registry;
  return registry;
}

} // namespace

void registerColumnRoutine(Float (*routine)(Float), UnaryColumnRoutine column) {
  unaryRegistry().add(routine, column);
}

void registerColumnRoutine(Float (*routine)(Float, Float), BinaryColumnRoutine column) {
  binaryRegistry().add(routine, column);
}

UnaryColumnRoutine columnRoutineOf(Float (*routine)(Float)) noexcept {
  return unaryRegistry().find(routine);
}

BinaryColumnRoutine columnRoutineOf(Float (*routine)(Float, Float)) noexcept {
  return binaryRegistry().find(routine);
}

} // namespace quorvex
