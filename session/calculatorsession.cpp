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
class TRecordGuard {
public:
  TRecordGuard(std::string &result, TTextLog &memo1, TTextLog &memo2)
      : result_(result), memo1_(memo1), memo2_(memo2),
        memo2Count_(memo2.Count()) {}
  TRecordGuard(const TRecordGuard &) = delete;
  TRecordGuard &operator=(const TRecordGuard &) = delete;
  ~TRecordGuard() {
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

std::string DefaultFormula(char decimalSeparator) {
  std::string formula = "5";
  formula += decimalSeparator;
  formula += "22 - 5";
  formula += decimalSeparator;
  formula += "44E-4 * (x - 817)";
  return formula;
}

TCalculatorSession::TCalculatorSession()
    : formulaText_(DefaultFormula(DecimalSeparator())) {
  UpdateVariableGrid(FVariableList, grid_);
}

void TCalculatorSession::V_QExit() {
  FVariableList.Assign(assignText_);
  UpdateVariableGrid(FVariableList, grid_);
}

bool TCalculatorSession::V_QKeyPress(char32_t key) {
  const bool isEnter = key == enterKey;
  if (isEnter)
    V_QExit();
  ClearResult();
  return isEnter;
}

void TCalculatorSession::Edit1Exit() {
  ClearResult();
  V_QExit();
}

bool TCalculatorSession::Edit1KeyPress(char32_t key) {
  if (key != enterKey)
    return false;
  Edit1Exit();
  return true;
}

const TTextLog &TCalculatorSession::PrintSource() const noexcept {
  return preference_.Intermediateresult1Checked() ? memo1_ : memo2_;
}

void TCalculatorSession::appendVariableLines(TTextLog &log) const {
  for (std::size_t i = 0; i < FVariableList.Count(); ++i)
    log.Append({FVariableList.Name(i), ": ",
                grid_.Cell(1, static_cast<int>(i + 1))});
}

Float TCalculatorSession::Compute() {
  ClearResult();
  V_QExit();
  memo1_.Clear();
  // Lives for this computation only; destroyed on every way out, before the
  // slots it points into can move.
  TCompiledEvaluator evaluator;
  const std::size_t n = FVariableList.Count();
  FVariableValues.resize(n);

  evaluator.ExternalContexts.Add(StandardContext());
  for (std::size_t i = 0; i < n; ++i) {
    const std::string &cell = grid_.Cell(1, static_cast<int>(i + 1));
    FVariableValues[i] = RoundToFloat(ValueTextToExtended(cell));
    evaluator.AddVariable(FVariableList.Name(i), &FVariableValues[i]);
  }
  evaluator.Compile(formulaText_);
  const Float value = evaluator.Evaluate();

  TRecordGuard guard(resultText_, memo1_, memo2_);
  FormatResult(value, DecimalSeparator(), resultText_);

  memo1_.Append({"Formula: F = ", formulaText_});
  appendVariableLines(memo1_);
  memo1_.Append({"F value: ", resultText_});

  if (keepSessionLog_) {
    char number[24];
    const auto end =
        std::to_chars(number, number + sizeof number, FComputeCount + 1).ptr;
    memo2_.Append({"- - ", std::string_view(number, end - number),
                   " - - - - - - - - -"});
    memo2_.Append({"Formula: F = ", formulaText_});
    appendVariableLines(memo2_);
    memo2_.Append({"Y value: ", resultText_});
  }
  ++FComputeCount;
  guard.Commit();
  return value;
}

} // namespace quorvex
