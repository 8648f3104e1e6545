// SPDX-License-Identifier: GPL-3.0-or-later
// Every rib of the half-wing from a calculated planform and the wing's rib definition: a rib at
// the root, at each joint and at the tip, and evenly between them so no gap exceeds the spacing;
// each at its true chord, its section blended by span between the airfoils of its panel's ends.
#pragma once

#include "calc/DisplayUnits.h"
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

// Where a rib stands, panel by panel from the root: its panel and number, the fraction of its
// panel's length, and its station, chord, leading edge and twist as the planform has them; the
// last panel also has its tip rib. For a planform whose lastPanel is in range; beyond kMostRibs
// the list stops (one more than kMostRibs says it would have gone on).
struct RibStation {
    int panel = 0;
    int number = 1;
    double fraction = 0;
    double station = 0;
    double chord = 0;
    double leadingEdgeX = 0;
    double twist = 0;
};
std::vector<RibStation> ribStations(const WingPlanform& planform, const RibSettings& settings);

// Each panel of some length at its root and at its tip, numbered 1 and 2: where the sections of
// a panel's foam core end.
std::vector<RibStation> panelEndStations(const WingPlanform& planform, const RibSettings& settings);

// Each rib's label gives its chord in labelUnit, to 0.1 mm or 0.01 in.
RibsReport calculateRibs(const WingPlanform& planform, const RibsDefinition& definition,
                         LengthUnit labelUnit = LengthUnit::Millimetre);

// The ribs standing where the caller places them (ribStations, panelEndStations), shaped as the
// definition says.
RibsReport calculateRibsAt(const WingPlanform& planform, const RibsDefinition& definition,
                           const std::vector<RibStation>& places,
                           LengthUnit labelUnit = LengthUnit::Millimetre);
