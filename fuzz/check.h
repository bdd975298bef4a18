#pragma once

#include <cstdio>
#include <cstdlib>

// A broken property is a finding: print what failed and abort, so libFuzzer
// saves the input as a crash artifact. Unlike assert() this stays on in
// every build type.
#define FUZZ_CHECK(cond)                                                                 \
  do {                                                                                   \
    if (!(cond)) {                                                                       \
      std::fprintf(stderr, "FUZZ_CHECK failed: %s (%s:%d)\n", #cond, __FILE__,           \
                   __LINE__);                                                            \
      std::abort();                                                                      \
    }                                                                                    \
  } while (false)
