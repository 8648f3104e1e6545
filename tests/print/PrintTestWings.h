// SPDX-License-Identifier: GPL-3.0-or-later
// Wings as a user types them, for the printing tests: the worked wing, a square 100 mm panel whose
// outline measures 20 mm at 1/5, and a wing that calculates but overflows the sheet.
#pragma once

#include "support/TypedWings.h"

#include <string>

inline WingFields workedWing() {
    return typedWing({{"250", "150", "1000", "50"}}, "30", "1500");
}

inline WingFields squareWing() {
    return typedWing({{"100", "100", "100", "0"}}, "30", "500");
}

// An inner tip 1e39 mm behind the root calculates, but its outline leaves single precision on
// the sheet: the scale is chosen from the wing root and the last tip alone.
inline const std::string k1e39 = "1" + std::string(39, '0');

inline WingFields overflowingWing() {
    return typedWing({{"250", "150", "500", k1e39.c_str()}, {"150", "100", "500", "80"}}, "30",
                     "1500");
}
