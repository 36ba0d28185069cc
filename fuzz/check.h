// A failed invariant stops the fuzzer with a message; libFuzzer then keeps
// the input as a crash reproducer.
#pragma once

#include <cstdio>
#include <cstdlib>

#define FUZZ_FAIL(...)                 \
  do {                                 \
    std::fprintf(stderr, "  ");        \
    std::fprintf(stderr, __VA_ARGS__); \
    std::fprintf(stderr, "\n");        \
    std::abort();                      \
  } while (false)

#define FUZZ_CHECK(condition, ...)                                \
  do {                                                            \
    if (!(condition)) {                                           \
      std::fprintf(stderr, "invariant broken: %s\n", #condition); \
      FUZZ_FAIL(__VA_ARGS__);                                     \
    }                                                             \
  } while (false)
