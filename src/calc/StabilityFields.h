// SPDX-License-Identifier: GPL-3.0-or-later
// The texts of the tail and neutral-point inputs, exactly as typed: parsing happens only in the
// calculation. The tail is a half-wing of its own, so it chains its chords as the wing does.
#pragma once

#include "calc/WingFields.h"

#include <string>
#include <string_view>

struct StabilityFields {
    bool hasTail = false;   // false: a flying wing, the neutral point is the wing's own
    WingFields tail;        // tail panels; its balance and mass texts are not used
    std::string distance;   // wing root leading edge to tail root leading edge, mm
    std::string efficiency; // tail efficiency, 0.3 to 1.0
    std::string margin;     // static margin, % of the wing's mean chord

    bool operator==(const StabilityFields&) const = default;
};

// A tail in the wing's wake: the usual efficiency of a model, and the safe side of the choices.
inline constexpr double kUsualTailEfficiency = 0.60;
// The efficiency the window offered before, which a .stab file without one was calculated with.
inline constexpr double kEarlierTailEfficiency = 0.90;

// What the window offers before anything is typed: no tail, the usual efficiency (written with
// the locale's decimal separator), a margin of 10 %.
StabilityFields defaultStabilityFields(std::string_view decimalSeparator);

// An efficiency as the window writes it: "0.90" with the locale's separator.
std::string efficiencyText(double efficiency, std::string_view decimalSeparator);
