// The checks the fuzzers make: a property that does not hold stops the run with a message, and
// libFuzzer keeps the input that broke it.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void FailFuzzCheck(const char* condition, const char* file, int line,
                                       const std::string& detail) {
  std::fprintf(stderr, "\n%s:%d: check failed: %s\n  %s\n", file, line, condition, detail.c_str());
  std::abort();
}

// The detail is built only when the check fails.
#define FUZZ_CHECK(condition, detail)                                         \
  do {                                                                        \
    if (!(condition)) FailFuzzCheck(#condition, __FILE__, __LINE__, (detail)); \
  } while (0)
