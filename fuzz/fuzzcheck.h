#pragma once
// A broken expectation inside a fuzz target: say which and stop, so libFuzzer keeps the input.
#include <cstdio>
#include <cstdlib>

#define FUZZ_CHECK(condition)                                                                \
  do {                                                                                       \
    if (!(condition)) {                                                                      \
      std::fprintf(stderr, "%s:%d: expected %s\n", __FILE__, __LINE__, #condition);          \
      std::abort();                                                                          \
    }                                                                                        \
  } while (0)
