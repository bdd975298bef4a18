#pragma once

#include "engine/contexts.h"

// The one context of named constants and functions every formula can use.

namespace quorvex {

// Built and filled on a thread's first call; every later call on that
// thread returns the same, unchanged instance, and every thread has its own,
// so threads may compile at once. The library owns it and frees it when the
// thread ends: callers (evaluators) only attach it, never own it, and an
// evaluator that compiles attaches the context of the thread it compiles on.
TExprHashContext &StandardContext();

} // namespace quorvex
