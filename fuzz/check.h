// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stops the fuzzer on a broken expectation, saying which.

#include <cstdio>
#include <cstdlib>

inline void check(bool condition, const char *what)
{
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}
