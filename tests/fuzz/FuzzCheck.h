#pragma once

#include <cstdio>
#include <cstdlib>

// A failed invariant ends the run, so libFuzzer keeps the input that broke it.
#define CHECK(cond)                                                                  \
  do {                                                                               \
    if (!(cond)) {                                                                   \
      std::fprintf(stderr, "check failed: %s (%s:%d)\n", #cond, __FILE__, __LINE__); \
      std::abort();                                                                  \
    }                                                                                \
  } while (0)
