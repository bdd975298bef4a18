#pragma once

// The Preference menu's pair "Intermediate result" / "All session results":
// which log Print reports. Invariant: exactly one of the two is checked; a
// click on either item swaps them. Start-up: "Intermediate result" checked.

namespace quorvex {

class TReportPreference {
public:
  bool Intermediateresult1Checked() const noexcept { return intermediate_; }
  bool Allsessionresults1Checked() const noexcept { return allSession_; }

  // Inverts the clicked item, then sets the other to the opposite of it.
  void Intermediateresult1Click() noexcept {
    intermediate_ = !intermediate_;
    allSession_ = !intermediate_;
  }
  void Allsessionresults1Click() noexcept {
    allSession_ = !allSession_;
    intermediate_ = !allSession_;
  }

private:
  bool intermediate_ = true;
  bool allSession_ = false;
};

} // namespace quorvex
