// SPDX-License-Identifier: GPL-3.0-or-later
// The fuzz targets' one assertion: a broken invariant says which and aborts, which libFuzzer
// reports as a crash and saves the input that caused it.
#pragma once

#include <cstdio>
#include <cstdlib>

inline void require(bool holds, const char* invariant) {
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
