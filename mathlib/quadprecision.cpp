#include "quadprecision.h"

#include "engine/errors.h"

namespace quorvex::quad {

namespace {
// Only the evaluating thread runs the math routines (see StandardContext).
unsigned long long slowPaths = 0;
} // namespace

unsigned long long slowPathCount() {
  return slowPaths;
}

Float round(Quad value) {
  ++slowPaths;
  if (value != value)
    throw EInvalidOp();
  const auto rounded = static_cast<Float>(value);
  if (std::isinf(rounded))
    throw EOverflow();
  return rounded;
}

} // namespace quorvex::quad
