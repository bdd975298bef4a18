#include "calculatorsession.h"

#include "engine/decimalseparator.h"
#include "engine/errors.h"
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
      : result_(result), memo1_(memo1), memo2_(memo2), memo2Count_(memo2.Count()) {}
  RecordGuard(const RecordGuard &) = delete;
  RecordGuard &operator=(const RecordGuard &) = delete;
  ~RecordGuard() {
    if (committed_)
      return;
    result_.clear();
    memo1_.Clear();
    memo2_.Truncate(memo2Count_);
  }
  void commit() noexcept { committed_ = true; }

private:
  std::string &result_;
  TTextLog &memo1_;
  TTextLog &memo2_;
  std::size_t memo2Count_;
  bool committed_ = false;
};

} // namespace

std::string ignoredTextNote(std::string_view ignored) {
  return fillMessage(ignoredTextTemplate, {std::string(ignored)});
}

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

void TCalculatorSession::AppendVariableLines(TTextLog &log) const {
  for (std::size_t i = 0; i < FVariableList.Count(); ++i)
    log.Append({FVariableList.Name(i), ": ", FGrid.Cell(1, static_cast<int>(i + 1))});
}

void TCalculatorSession::CompileFormula(TCompiledEvaluator &evaluator) {
  try {
    evaluator.Compile(FFormulaText);
  } catch (const Exception &error) {
    if (error.span())
      FLastFailure = FailurePlace::inFormula(*error.span());
    throw;
  }
  const std::optional<std::size_t> ignored = evaluator.IgnoredTextOffset();
  if (ignored && FRefuseIgnoredText) {
    const std::string_view text = std::string_view(FFormulaText).substr(*ignored);
    FLastFailure = FailurePlace::inFormula({*ignored, text.size()});
    throw ETrailingTextError(text);
  }
}

Float TCalculatorSession::Compute() {
  ClearResult();
  FLastResult.reset();
  FIgnoredText.clear();
  FLastFailure = {};
  FLastFunctionFailure.reset();
  ApplyVariableList();
  FMemo1.Clear();
  // Lives for this computation only; destroyed on every way out, before the
  // slots it points into can move.
  TCompiledEvaluator evaluator;
  const std::size_t n = FVariableList.Count();
  FVariableValues.resize(n);

  evaluator.ExternalContexts.Add(StandardContext());
  for (std::size_t i = 0; i < n; ++i) {
    const int row = static_cast<int>(i + 1);
    FLastFailure = FailurePlace::atValueCell(row);
    FVariableValues[i] = valueTextToFloat(FGrid.Cell(1, row));
    FLastFailure = {};
    evaluator.AddVariable(FVariableList.Name(i), &FVariableValues[i]);
  }
  CompileFormula(evaluator);
  Float value = 0;
  try {
    value = evaluator.Evaluate();
  } catch (const Exception &error) {
    if (error.span())
      FLastFailure = FailurePlace::inFormula(*error.span());
    if (const auto op = evaluator.LastFaultOp())
      FLastFunctionFailure = functionFailure(*evaluator.Machine.CodeList[*op], error);
    throw;
  }

  RecordGuard guard(FResultText, FMemo1, FMemo2);
  formatResult(value, decimalSeparator(), FResultText);

  FMemo1.Append({"Formula: F = ", FFormulaText});
  AppendVariableLines(FMemo1);
  FMemo1.Append({"F value: ", FResultText});

  if (FKeepSessionLog) {
    char number[24];
    const auto end = std::to_chars(number, number + sizeof number, FComputeCount + 1).ptr;
    FMemo2.Append({"- - ", std::string_view(number, end - number), " - - - - - - - - -"});
    FMemo2.Append({"Formula: F = ", FFormulaText});
    AppendVariableLines(FMemo2);
    FMemo2.Append({"Y value: ", FResultText});
  }
  if (FTrackStaleResult) {
    FComputedFormula = FFormulaText;
    FComputedAssign = FAssignText;
    FComputedValues.resize(static_cast<std::size_t>(FGrid.RowCount() - 1));
    for (std::size_t i = 0; i < FComputedValues.size(); ++i)
      FComputedValues[i] = FGrid.Cell(1, static_cast<int>(i + 1));
  }
  if (const auto ignored = evaluator.IgnoredTextOffset())
    FIgnoredText.assign(FFormulaText, *ignored);
  ++FComputeCount;
  if (FResultFormat != NumberFormat{})
    writeNumber(value, FResultFormat, decimalSeparator(), FResultText);
  FLastResult = value;
  guard.commit();
  return value;
}

void TCalculatorSession::SetResultFormat(const NumberFormat &format) {
  FResultFormat = format;
  if (FLastResult && !FResultText.empty())
    writeNumber(*FLastResult, format, decimalSeparator(), FResultText);
}

bool TCalculatorSession::ValueCellsDifferFrom(
    const std::vector<std::string> &values) const {
  if (static_cast<std::size_t>(FGrid.RowCount() - 1) != values.size())
    return true;
  for (std::size_t i = 0; i < values.size(); ++i)
    if (FGrid.Cell(1, static_cast<int>(i + 1)) != values[i])
      return true;
  return false;
}

bool TCalculatorSession::ResultIsStale() const {
  return FTrackStaleResult && !FResultText.empty() &&
         (FFormulaText != FComputedFormula || FAssignText != FComputedAssign ||
          ValueCellsDifferFrom(FComputedValues));
}

std::optional<std::size_t> TCalculatorSession::IgnoredTextStart() const {
  TVariableList names;
  names.Assign(FAssignText);
  // Only whether and how a name resolves decides where reading stops; the
  // program is never run, so the slots are never read.
  const std::vector<Float> slots(names.Count());
  TCompiledEvaluator evaluator;
  evaluator.ExternalContexts.Add(StandardContext());
  for (std::size_t i = 0; i < names.Count(); ++i)
    if (!evaluator.LocalContext.Find(names.Name(i)))
      evaluator.AddVariable(names.Name(i), &slots[i]);
  try {
    evaluator.Compile(FFormulaText);
  } catch (const Exception &) {
    // An unfinished formula has no end yet, so nothing after it either.
    return std::nullopt;
  }
  return evaluator.IgnoredTextOffset();
}

} // namespace quorvex
