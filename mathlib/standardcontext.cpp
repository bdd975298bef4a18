#include "standardcontext.h"

#include "catalogue.h"
#include "columnmath.h"

#include "engine/numberconversion.h"

#include <memory>

namespace quorvex {

namespace {

// One per thread: compiling hands each symbol it meets the compilation in
// progress, so two threads compiling at once must not share symbols. Freed
// with the symbols it owns when its thread ends; null if that thread
// compiled nothing.
thread_local std::unique_ptr<TExprHashContext> standardContext;

// The constants, the one-argument functions, then the two-argument ones,
// each in catalogue order. The order matters only for the hash map's
// trees; names are registered exactly as written and found without regard
// to case.
void fill(TExprHashContext &context) {
  for (const CatalogueConstant &c : catalogueConstants())
    context.Add(std::make_unique<TExprConstSym>(c.name, roundToFloat(c.value)));
  for (const CatalogueFunction &f : catalogueFunctions())
    if (f.unary != nullptr)
      context.Add(std::make_unique<TExprUnaryFuncSym>(f.name, f.unary));
  for (const CatalogueFunction &f : catalogueFunctions())
    if (f.binary != nullptr)
      context.Add(std::make_unique<TExprBinaryFuncSym>(f.name, f.binary));
}

} // namespace

TExprHashContext &StandardContext() {
  if (standardContext)
    return *standardContext;
  // The routines' column forms come with them, for the block evaluator.
  math::registerColumnForms();
  // Stored before filling, so that a failure part-way (out of memory)
  // leaves the partly filled context to be returned by later calls rather
  // than a second one being built over it.
  standardContext = std::make_unique<TExprHashContext>(false, 100);
  fill(*standardContext);
  return *standardContext;
}

} // namespace quorvex
