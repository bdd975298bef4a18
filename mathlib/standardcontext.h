#pragma once

#include "engine/contexts.h"

// The one context of named constants and functions every formula can use.

namespace quorvex {

// Built and filled on the first call; every later call returns the same,
// unchanged instance. The library owns it and frees it at program exit:
// callers (evaluators) only attach it, never own it. Not thread-safe: only
// the thread that evaluates formulas may call it.
TExprHashContext &StandardContext();

} // namespace quorvex
