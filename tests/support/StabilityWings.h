// SPDX-License-Identifier: GPL-3.0-or-later
// Tails and stability inputs as a modeller types them, shared by the calculation, file, window and
// command-line tests. The worked cases are worked out by hand in tests/calc.
#pragma once

#include "calc/StabilityFields.h"
#include "support/TypedWings.h"

// A tail typed into the stability window: panels as for a wing, the distance, the efficiency and
// the margin.
inline StabilityFields typedTail(const std::vector<TypedPanel>& panels, const char* distance,
                                 const char* efficiency, const char* margin) {
    StabilityFields fields;
    fields.hasTail = true;
    fields.tail = typedWing(panels, "", "");
    fields.distance = distance;
    fields.efficiency = efficiency;
    fields.margin = margin;
    return fields;
}

inline StabilityFields flyingWing(const char* margin) {
    StabilityFields fields = defaultStabilityFields(".");
    fields.margin = margin;
    return fields;
}

// The rectangular worked case: wing 200 × 500 mm at 30 %, tail 100 × 200 mm 600 mm behind it on
// the fuselage, 10 % margin. Neutral point 91.84 mm (45.92 %), balance 71.84 mm (35.92 %).
inline const std::vector<TypedPanel> kRectangularWing{{"200", "200", "500", "0"}};
inline StabilityFields rectangularTail() {
    return typedTail({{"100", "100", "200", "0"}}, "600", "0.90", "10");
}
