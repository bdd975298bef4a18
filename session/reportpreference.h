#pragma once

// Which log Print reports: the last computation ("Intermediate result") or
// the whole session ("All session results"). Invariant: exactly one of the
// two is chosen; toggling either swaps them. Start-up: the intermediate
// result.

namespace quorvex {

class TReportPreference {
public:
  bool IntermediateResult() const noexcept { return intermediate_; }
  bool AllSessionResults() const noexcept { return allSession_; }

  // Inverts the toggled choice, then sets the other to the opposite of it.
  void ToggleIntermediateResult() noexcept {
    intermediate_ = !intermediate_;
    allSession_ = !intermediate_;
  }
  void ToggleAllSessionResults() noexcept {
    allSession_ = !allSession_;
    intermediate_ = !allSession_;
  }

private:
  bool intermediate_ = true;
  bool allSession_ = false;
};

} // namespace quorvex
