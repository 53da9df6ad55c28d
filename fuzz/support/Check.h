#pragma once

#include <cstdio>
#include <cstdlib>

// A property of a fuzz target that failed: abort, so that libFuzzer keeps the input and the
// replay test fails, both naming the property.
#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, #condition);  \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)
