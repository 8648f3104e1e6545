// SPDX-License-Identifier: GPL-3.0-or-later
// Every rib of the half-wing from a calculated planform and the wing's rib definition: a rib at
// the root, at each joint and at the tip, and evenly between them so no gap exceeds the spacing;
// each at its true chord, its section blended by span between the airfoils of its panel's ends.
#pragma once

#include "ribs/Rib.h"

#include <optional>
#include <string>
#include <vector>

// More ribs than this come from a spacing typed too small, not from a wing.
inline constexpr int kMostRibs = 2000;

// WingNotCalculated is the session's: ribs need a wing that calculates.
enum class RibsOutcome { Ok, SettingOutOfRange, UnknownAirfoil, TooManyRibs, WingNotCalculated };

struct RibsReport {
    RibsOutcome outcome = RibsOutcome::Ok;
    std::vector<Rib> ribs; // root to tip; empty unless Ok
    std::optional<RibSettingFault> setting;
    std::string airfoil; // the name no airfoil answers to
};

// The stations along the span where ribs stand, panel by panel, each with its panel, number and
// the fraction of its panel's length; the last panel also has its tip rib. For a planform whose
// lastPanel is in range.
struct RibPlace {
    int panel = 0;
    int number = 1;
    double fraction = 0;
};
std::vector<RibPlace> ribPlaces(const WingPlanform& planform, double spacing);

RibsReport calculateRibs(const WingPlanform& planform, const RibsDefinition& definition);
