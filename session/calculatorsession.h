#pragma once

#include "engine/floattypes.h"
#include "engine/numberformat.h"
#include "engine/translationmark.h"
#include "failureplace.h"
#include "functionfailure.h"
#include "reportpreference.h"
#include "textlog.h"
#include "valuegrid.h"
#include "variablelist.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The main window's state and logic without a GUI. The desktop program keeps
// one TCalculatorSession per main window: its widgets show what the accessors
// return, and the window's handlers turn the user's edits and events into
// the domain operations below. After any of them, a view re-reads
// ResultText(), the grid and the logs; nothing here calls back into the GUI.
//
// Errors are not caught here: every failure is a quorvex::Exception (or a
// std::exception such as bad_alloc) thrown to the caller, whose error report
// shows withFullStop(e.what()).
//
// Single-threaded, like the engine: one session per thread at most, and the
// decimal separator (engine/decimalseparator.h) is read at the moment each
// step needs it.

namespace quorvex {

class TCompiledEvaluator;

class TCalculatorSession {
public:
  // The start-up state: empty variable list, grid with the placeholder row
  // x / 2 and Quantity "1", Assign text "x", the default formula written with
  // the current decimal separator ("5.22 - 5.44E-4 * (x - 817)"), empty
  // result and logs, FComputeCount 0, "Intermediate result" checked.
  TCalculatorSession();

  // --- the boxes ---------------------------------------------------------
  const std::string &AssignText() const noexcept { return FAssignText; }
  void SetAssignText(std::string_view text) { FAssignText.assign(text); }
  const std::string &FormulaText() const noexcept { return FFormulaText; }
  void SetFormulaText(std::string_view text) { FFormulaText.assign(text); }
  // The read-only result box EditYValue: the result in ResultFormat().
  const std::string &ResultText() const noexcept { return FResultText; }
  void ClearResult() noexcept { FResultText.clear(); }
  // How the result box writes the result: General 15 at start-up. The logs
  // record General 15 whatever is chosen.
  const NumberFormat &ResultFormat() const noexcept { return FResultFormat; }
  // Writes the result box's result anew in format, without computing again;
  // later Computes write theirs in it too.
  void SetResultFormat(const NumberFormat &format);
  // The value of the last computation, which the result box may no longer
  // show (a key typed in the Assign box clears it): none before the first
  // and after a failed one, like Memo1's record.
  const std::optional<Float> &LastResult() const noexcept { return FLastResult; }

  // The value grid and Quantity box. The GUI writes column-1 cell edits
  // through Grid().SetCell as the user types them.
  TValueGrid &Grid() noexcept { return FGrid; }
  const TValueGrid &Grid() const noexcept { return FGrid; }

  // --- state read by views and tests ---------------------------------------
  const TVariableList &VariableList() const noexcept { return FVariableList; }
  // Slot i holds the value bound to entry i by the last Compute that got that
  // far; the evaluator read the slots by address.
  const std::vector<Float> &VariableValues() const noexcept { return FVariableValues; }
  // Successful computations since start-up.
  std::int64_t ComputeCount() const noexcept { return FComputeCount; }
  // Last computation: "Formula: F = ...", "name: value text"..., "F value: ...".
  const TTextLog &Memo1() const noexcept { return FMemo1; }
  // Whole session: per record "- - N - - - - - - - - -", the formula line,
  // the variable lines and "Y value: ...".
  const TTextLog &Memo2() const noexcept { return FMemo2; }

  // --- applying the variable list -----------------------------------------
  // Rebuilds FVariableList from AssignText() and runs UpdateVariableGrid.
  // Cannot fail. The Assign box applies it when it loses the focus.
  void ApplyVariableList();
  // A character typed in the Assign box (Enter is 13): every character clears
  // the result, and Enter also applies the list. Returns true when the box
  // must discard the character (Enter).
  bool TypeInAssign(char32_t key);
  // Leaving the formula (its box lost the focus, or the "Variable" button):
  // clear the result, then apply the list.
  void LeaveFormula();
  // A character typed in the formula box: Enter leaves the formula and
  // returns true (discard it); every other character passes (false).
  bool TypeInFormula(char32_t key);

  // --- Compute --------------------------------------------------------------
  // One computation, in this order: clear the result; apply the list; clear
  // Memo1; create a fresh evaluator; resize FVariableValues to the entry
  // count; attach the standard math context; for each entry in order convert
  // value cell (1, i + 1) to the nearest double (valueTextToFloat), store it
  // in slot i and bind the entry's name to the slot's address; compile the
  // formula (failing with ETrailingTextError on text after it, when that is
  // refused); evaluate; format into the result; write Memo1; add 1 to
  // FComputeCount and write Memo2. The evaluator is released on every path.
  //
  // Returns the value shown. On failure the exception propagates and leaves
  // the result and Memo1 empty, the list and grid re-applied, Memo2 and
  // FComputeCount unchanged, and LastFailure() telling where it failed.
  Float Compute();

  // --- what a view shows beside the result --------------------------------
  // Where the last Compute failed; Nowhere after a success.
  const FailurePlace &LastFailure() const noexcept { return FLastFailure; }
  // When the last Compute failed inside a function of the standard
  // context: which, given what, and why (functionFailureNote words it);
  // none after every other outcome.
  const std::optional<FunctionFailure> &LastFunctionFailure() const noexcept {
    return FLastFunctionFailure;
  }
  // The text after the formula that the last successful Compute ignored
  // (from its first non-blank byte on); empty when there was none.
  const std::string &IgnoredText() const noexcept { return FIgnoredText; }
  // Where the text the grammar will not read begins in FormulaText(), as
  // the boxes stand now: the formula is compiled against the names of the
  // Assign text as it would be applied, and the standard context. None when
  // the whole formula is read, or when it does not compile. Changes nothing.
  std::optional<std::size_t> IgnoredTextStart() const;
  // Whether the result box shows the result of something else than what the
  // boxes hold now: the formula, the Assign text or a value cell has changed
  // since the Compute that wrote it. False while the result is empty.
  bool ResultIsStale() const;
  // Makes a formula followed by text that the grammar does not read fail
  // with ETrailingTextError (quorvex-eval --strict) instead of computing.
  // Off by default.
  void SetRefuseIgnoredText(bool refuse) noexcept { FRefuseIgnoredText = refuse; }

  // --- report preference and Print -----------------------------------------
  const TReportPreference &Preference() const noexcept { return FPreference; }
  void ToggleIntermediateResult() noexcept { FPreference.ToggleIntermediateResult(); }
  void ToggleAllSessionResults() noexcept { FPreference.ToggleAllSessionResults(); }
  // What Print reports: Memo1 while the intermediate result is chosen, else
  // Memo2.
  const TTextLog &PrintSource() const noexcept;

  // Batch front ends that never print the whole session may stop Memo2 from
  // growing without bound; FComputeCount still counts. On by default.
  void SetKeepSessionLog(bool keep) noexcept { FKeepSessionLog = keep; }
  // Likewise, front ends that never show a result beside its inputs may stop
  // Compute from copying the inputs it computed; ResultIsStale() then
  // always answers false. On by default.
  void SetTrackStaleResult(bool track) noexcept { FTrackStaleResult = track; }

private:
  void AppendVariableLines(TTextLog &log) const;
  void CompileFormula(TCompiledEvaluator &evaluator);
  bool ValueCellsDifferFrom(const std::vector<std::string> &values) const;

  // The main window's state; every field takes the window's "F" prefix.
  std::string FAssignText = "x";
  std::string FFormulaText;
  std::string FResultText;
  NumberFormat FResultFormat;
  std::optional<Float> FLastResult;
  TValueGrid FGrid;
  TVariableList FVariableList;
  std::vector<Float> FVariableValues;
  // 64 bits: a batch run of billions of lines must not overflow it.
  std::int64_t FComputeCount = 0;
  TTextLog FMemo1;
  TTextLog FMemo2;
  TReportPreference FPreference;
  bool FKeepSessionLog = true;
  bool FRefuseIgnoredText = false;
  bool FTrackStaleResult = true;
  FailurePlace FLastFailure;
  std::optional<FunctionFailure> FLastFunctionFailure;
  std::string FIgnoredText;
  // What the boxes held when the result was computed.
  std::string FComputedFormula;
  std::string FComputedAssign;
  std::vector<std::string> FComputedValues;
};

// The start-up formula, built with the given decimal separator.
std::string defaultFormula(char decimalSeparator);

// What the views say about a Compute whose formula had ignored text:
// "Ignored text after the formula: '<text>'"; the desktop fills the
// template's translation with the text as it shows it.
inline constexpr const char *ignoredTextTemplate =
    QV_TRANSLATE_NOOP("Error", "Ignored text after the formula: '%1'");
std::string ignoredTextNote(std::string_view ignored);

} // namespace quorvex
