#include "calculatorsession.h"

#include "engine/decimalseparator.h"
#include "engine/evaluator.h"
#include "engine/numberconversion.h"
#include "mathlib/standardcontext.h"
#include "resultformat.h"

#include <charconv>

namespace quorvex {

namespace {

constexpr char32_t enterKey = 13;

// Undoes the result and log writes of a Compute that fails after they began
// (only allocation can fail there), so a failure never leaves half a record.
class RecordGuard {
public:
  RecordGuard(std::string &result, TTextLog &memo1, TTextLog &memo2)
      : result_(result), memo1_(memo1), memo2_(memo2),
        memo2Count_(memo2.Count()) {}
  RecordGuard(const RecordGuard &) = delete;
  RecordGuard &operator=(const RecordGuard &) = delete;
  ~RecordGuard() {
    if (committed_)
      return;
    result_.clear();
    memo1_.Clear();
    memo2_.Truncate(memo2Count_);
  }
  void Commit() noexcept { committed_ = true; }

private:
  std::string &result_;
  TTextLog &memo1_;
  TTextLog &memo2_;
  std::size_t memo2Count_;
  bool committed_ = false;
};

} // namespace

std::string defaultFormula(char decimalSeparator) {
  std::string formula = "5";
  formula += decimalSeparator;
  formula += "22 - 5";
  formula += decimalSeparator;
  formula += "44E-4 * (x - 817)";
  return formula;
}

TCalculatorSession::TCalculatorSession()
    : FFormulaText(defaultFormula(decimalSeparator())) {
  UpdateVariableGrid(FVariableList, FGrid);
}

void TCalculatorSession::ApplyVariableList() {
  FVariableList.Assign(FAssignText);
  UpdateVariableGrid(FVariableList, FGrid);
}

bool TCalculatorSession::TypeInAssign(char32_t key) {
  const bool isEnter = key == enterKey;
  if (isEnter)
    ApplyVariableList();
  ClearResult();
  return isEnter;
}

void TCalculatorSession::LeaveFormula() {
  ClearResult();
  ApplyVariableList();
}

bool TCalculatorSession::TypeInFormula(char32_t key) {
  if (key != enterKey)
    return false;
  LeaveFormula();
  return true;
}

const TTextLog &TCalculatorSession::PrintSource() const noexcept {
  return FPreference.IntermediateResult() ? FMemo1 : FMemo2;
}

void TCalculatorSession::appendVariableLines(TTextLog &log) const {
  for (std::size_t i = 0; i < FVariableList.Count(); ++i)
    log.Append({FVariableList.Name(i), ": ",
                FGrid.Cell(1, static_cast<int>(i + 1))});
}

Float TCalculatorSession::Compute() {
  ClearResult();
  ApplyVariableList();
  FMemo1.Clear();
  // Lives for this computation only; destroyed on every way out, before the
  // slots it points into can move.
  TCompiledEvaluator evaluator;
  const std::size_t n = FVariableList.Count();
  FVariableValues.resize(n);

  evaluator.ExternalContexts.Add(StandardContext());
  for (std::size_t i = 0; i < n; ++i) {
    const std::string &cell = FGrid.Cell(1, static_cast<int>(i + 1));
    FVariableValues[i] = roundToFloat(valueTextToExtended(cell));
    evaluator.AddVariable(FVariableList.Name(i), &FVariableValues[i]);
  }
  evaluator.Compile(FFormulaText);
  const Float value = evaluator.Evaluate();

  RecordGuard guard(FResultText, FMemo1, FMemo2);
  formatResult(value, decimalSeparator(), FResultText);

  FMemo1.Append({"Formula: F = ", FFormulaText});
  appendVariableLines(FMemo1);
  FMemo1.Append({"F value: ", FResultText});

  if (FKeepSessionLog) {
    char number[24];
    const auto end =
        std::to_chars(number, number + sizeof number, FComputeCount + 1).ptr;
    FMemo2.Append({"- - ", std::string_view(number, end - number),
                   " - - - - - - - - -"});
    FMemo2.Append({"Formula: F = ", FFormulaText});
    appendVariableLines(FMemo2);
    FMemo2.Append({"Y value: ", FResultText});
  }
  ++FComputeCount;
  guard.Commit();
  return value;
}

} // namespace quorvex
