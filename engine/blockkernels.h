#pragma once

#include "columnroutines.h"
#include "floattypes.h"
#include "virtmach.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The loops a block run is made of: for each op of the machine one kernel
// per shape of its operands (a column, or one value for every row), with or
// without a test of the values it writes, each for any x86-64 and for the
// processors with AVX2, which is chosen once per process. The arithmetic is
// the same IEEE operation in every lane of either, so every kernel gives the
// bits the op gives in Evaluate.

namespace quorvex {

// One op of the program as it runs over a block.
struct BlockStep {
  // Computes the op for n rows into out; with a test of its values, whether
  // one of them is not finite.
  using Kernel = bool (*)(const BlockStep &step, const Float *const *operands, Float *out,
                          std::size_t n) noexcept;

  Kernel kernel = nullptr;
  const TExprVirtMachOp *op = nullptr; // for calls: the routine
  std::uint32_t inputs[3] = {};        // indices into the operands
  unsigned columns = 0; // bit k: input k is a column, else one value for every row
  Float *out = nullptr; // a scratch column, or none for the results
  // For a call whose kernel is its routine's column form (columnroutines.h):
  // that form, of the call's arity.
  UnaryColumnRoutine unaryForm = nullptr;
  BinaryColumnRoutine binaryForm = nullptr;
};
using BlockKernel = BlockStep::Kernel;

// The arithmetic of an op with one operand that is the same for every row,
// which two in a row can run as one step (chainPairKernel).
enum class ChainOperation { Add, Subtract, Multiply, Divide };
struct ChainForm {
  ChainOperation operation = ChainOperation::Add;
  bool sameFirst = false; // the operand that is the same for every row comes first
  bool operator==(const ChainForm &) const = default;
};

// What a block run makes of an op that computes from other slots.
struct StepFamily {
  int arity = 0;
  // Whether an operand that is not finite always makes the value not
  // finite, so that the test of the value covers the operand too.
  bool propagates[3] = {};
  // The kernel for operands of that shape (bit k: input k is a column),
  // testing its values when checked.
  BlockKernel (*select)(unsigned columns, bool checked) = nullptr;
  std::optional<ChainOperation> chain = std::nullopt; // of an arithmetic op
  bool computes = true; // a function of its operands alone; not a call
};

// The family of an op of vmops.def; none for variables and constants.
std::optional<StepFamily> stepFamilyOf(const TExprVirtMachOp &op);

// An arithmetic op's kernel with one operand a column (columns 1 or 2) or
// both (3).
BlockKernel chainKernel(ChainOperation operation, unsigned columns, bool checked);
// Two chain ops in a row as one pass: inputs[0] the column, inputs[1] the
// first op's other operand, inputs[2] the second's.
BlockKernel chainPairKernel(ChainForm first, ChainForm second, bool checked);

// Chooses the kernel of a call step (an op of TExprCallVmOp's classes), whose
// op, inputs and columns are set, and sets what else the kernel reads. Such
// a kernel gives NaN for a row whose arguments are not all finite or whose
// call raises an error, so that the row is run again for its error, and for
// every other row the value the call op gives.
using CallKernelChoice = BlockKernel (*)(BlockStep &step, bool checked);
// The routine called once per row.
BlockKernel perRowCallKernel(BlockStep &step, bool checked);
// The routine's column form, called once per block, where the routine has
// one registered and takes and returns doubles; else the routine per row.
BlockKernel columnFormCallKernel(BlockStep &step, bool checked);

// Whether one of the values is not finite.
bool anyNonFinite(const Float *values, std::size_t n) noexcept;

} // namespace quorvex
