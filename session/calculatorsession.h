#pragma once

#include "engine/float.h"
#include "reportpreference.h"
#include "textlog.h"
#include "valuegrid.h"
#include "variablelist.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The main window's state and logic without a GUI. The desktop program keeps
// one TCalculatorSession per main window: its widgets show what the accessors
// return and forward edits and events to the handlers below. After any
// handler, a view re-reads ResultText(), the grid and the logs; nothing here
// calls back into the GUI.
//
// Errors are not caught here: every failure is a quorvex::Exception (or a
// std::exception such as bad_alloc) thrown to the caller, whose error report
// shows ErrorReportText(e.what()).
//
// Single-threaded, like the engine: one session per thread at most, and the
// decimal separator (engine/decimalseparator.h) is read at the moment each
// step needs it.

namespace quorvex {

class TCalculatorSession {
public:
  // The start-up state: empty variable list, grid with the placeholder row
  // x / 2 and Quantity "1", Assign text "x", the default formula written with
  // the current decimal separator ("5.22 - 5.44E-4 * (x - 817)"), empty
  // result and logs, FComputeCount 0, "Intermediate result" checked.
  TCalculatorSession();

  // --- the boxes ---------------------------------------------------------
  const std::string &AssignText() const noexcept { return assignText_; }
  void SetAssignText(std::string_view text) { assignText_.assign(text); }
  const std::string &FormulaText() const noexcept { return formulaText_; }
  void SetFormulaText(std::string_view text) { formulaText_.assign(text); }
  // The read-only result box EditYValue.
  const std::string &ResultText() const noexcept { return resultText_; }
  void ClearResult() noexcept { resultText_.clear(); }

  // The value grid and Quantity box. The GUI writes column-1 cell edits
  // through Grid().SetCell as the user types them.
  TValueGrid &Grid() noexcept { return grid_; }
  const TValueGrid &Grid() const noexcept { return grid_; }

  // --- state read by views and tests ---------------------------------------
  const TVariableList &VariableList() const noexcept { return FVariableList; }
  // Slot i holds the value bound to entry i by the last Compute that got that
  // far; the evaluator read the slots by address.
  const std::vector<Float> &VariableValues() const noexcept {
    return FVariableValues;
  }
  // Successful computations since start-up.
  std::int64_t ComputeCount() const noexcept { return FComputeCount; }
  // Last computation: "Formula: F = ...", "name: value text"..., "F value: ...".
  const TTextLog &Memo1() const noexcept { return memo1_; }
  // Whole session: per record "- - N - - - - - - - - -", the formula line,
  // the variable lines and "Y value: ...".
  const TTextLog &Memo2() const noexcept { return memo2_; }

  // --- Assign box, formula box and the "Variable" button -------------------
  // Applies the variable list: rebuilds FVariableList from AssignText() and
  // runs UpdateVariableGrid. Cannot fail.
  void V_QExit();
  // A character typed in the Assign box (Enter is 13). Enter applies the
  // list; every character clears the result. Returns true when the box must
  // discard the character (Enter).
  bool V_QKeyPress(char32_t key);
  // The formula box lost the focus: clear the result, apply the list.
  void Edit1Exit();
  // A character typed in the formula box: Enter runs Edit1Exit and returns
  // true (discard it); every other character passes (false).
  bool Edit1KeyPress(char32_t key);
  // The "Variable" button: as Edit1Exit.
  void SpeedButton1Click() { Edit1Exit(); }

  // --- Compute --------------------------------------------------------------
  // The Compute button. Throws whatever Compute throws.
  void ComputeSpdbtnClick() { Compute(); }
  // One computation, in this order: clear the result; apply the list; clear
  // Memo1; create a fresh evaluator; resize FVariableValues to the entry
  // count; attach the standard math context; for each entry in order convert
  // value cell (1, i + 1) (ValueTextToExtended, then RoundToFloat), store it
  // in slot i and bind the entry's name to the slot's address; compile the
  // formula; evaluate; format into the result; write Memo1; add 1 to
  // FComputeCount and write Memo2. The evaluator is released on every path.
  //
  // Returns the value shown. On failure the exception propagates and leaves
  // the result and Memo1 empty, the list and grid re-applied, Memo2 and
  // FComputeCount unchanged.
  Float Compute();

  // --- report preference and Print -----------------------------------------
  TReportPreference &Preference() noexcept { return preference_; }
  const TReportPreference &Preference() const noexcept { return preference_; }
  void Intermediateresult1Click() noexcept {
    preference_.Intermediateresult1Click();
  }
  void Allsessionresults1Click() noexcept {
    preference_.Allsessionresults1Click();
  }
  // What Print1Click puts into the report window: Memo1 while "Intermediate
  // result" is checked, else Memo2.
  const TTextLog &PrintSource() const noexcept;

  // Batch front ends that never print the whole session may stop Memo2 from
  // growing without bound; FComputeCount still counts. On by default.
  void SetKeepSessionLog(bool keep) noexcept { keepSessionLog_ = keep; }

private:
  void appendVariableLines(TTextLog &log) const;

  std::string assignText_ = "x";
  std::string formulaText_;
  std::string resultText_;
  TValueGrid grid_;
  TVariableList FVariableList;
  std::vector<Float> FVariableValues;
  // 64 bits: a batch run of billions of lines must not overflow it.
  std::int64_t FComputeCount = 0;
  TTextLog memo1_;
  TTextLog memo2_;
  TReportPreference preference_;
  bool keepSessionLog_ = true;
};

// The start-up formula, built with the given decimal separator.
std::string DefaultFormula(char decimalSeparator);

} // namespace quorvex
