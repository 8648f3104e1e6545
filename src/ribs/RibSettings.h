// SPDX-License-Identifier: GPL-3.0-or-later
// What a modeller chooses for the ribs of a wing: their spacing, the sheeting, the stock at both
// edges, up to three spars, the washout, and the airfoil at each station. Lengths are
// millimetres, spar positions % of the local chord, twists degrees (positive: leading edge down).
#pragma once

#include "calc/WingPlanform.h"
#include "ribs/Airfoil.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

inline constexpr int kSparCount = 3;
// The stations that carry an airfoil: the root and each panel's tip.
inline constexpr int kAirfoilStationCount = kPanelCount + 1;

enum class NotchSide { Top, Bottom, Both };

struct SparNotch {
    double positionPercent = 25; // the notch's centre, % of the local chord
    double width = 3;
    double depth = 3; // the floor lies this far inside the (inset) surface
    NotchSide side = NotchSide::Top;
    bool operator==(const SparNotch&) const = default;
};

// How the wing lies on the building board while it is built on the jig tabs.
enum class BuildingSide { RightSideUp, UpsideDown };

// Two tabs under each rib (over it, upside down) reaching to one flat board; cut off once the
// wing is sheeted. Height: the shortest tab's, mm; positions: % of the local chord.
struct JigTabSettings {
    bool enabled = false;
    double height = 10;
    double frontPercent = 15;
    double rearPercent = 70;
    double width = 6;
    BuildingSide side = BuildingSide::RightSideUp;
    bool operator==(const JigTabSettings&) const = default;
};

struct RibSettings {
    double spacing = 0; // the largest gap between two ribs; 0: ribs at the joints only
    double sheeting = 0;
    double leadingEdgeCut = 0;
    double trailingEdgeCut = 0;
    std::array<std::optional<SparNotch>, kSparCount> spars{};
    PanelValues twist{}; // at each panel's tip
    JigTabSettings jig;
    double coreKerf = 1; // the hot wire's, allowed for on the foam-core templates
    bool operator==(const RibSettings&) const = default;
};

// Everything a .ribs file holds: the settings, the airfoil named at each station (root first,
// empty: the same as the station inward) and the airfoils the wing carries with it.
struct RibsDefinition {
    RibSettings settings;
    std::array<std::string, kAirfoilStationCount> stationAirfoils{};
    std::vector<Airfoil> airfoils;
    bool operator==(const RibsDefinition&) const = default;
};

// The largest length, in mm, and the largest twist, in degrees, that the ribs accept.
inline constexpr double kLargestRibLength = 100000;
inline constexpr double kLargestTwist = 45;

// Which setting is out of its range, when one is.
enum class RibSetting {
    Spacing,
    Sheeting,
    LeadingEdgeCut,
    TrailingEdgeCut,
    SparPosition,
    SparWidth,
    SparDepth,
    Twist,
    JigHeight,
    JigFront,
    JigRear,
    JigWidth,
    CoreKerf
};
struct RibSettingFault {
    RibSetting setting = RibSetting::Spacing;
    int index = 0; // the spar or the panel, from 0
    bool operator==(const RibSettingFault&) const = default;
};

// A kerf beyond this, laser's or hot wire's, is a typing slip.
inline constexpr double kLargestKerf = 10;

// Lengths from 0 to kLargestRibLength (a spar's and a jig tab's width above 0), spar and tab
// positions 0 to 100 % with the front tab ahead of the rear one, twists within ±kLargestTwist,
// the kerf up to kLargestKerf; nothing when all are.
std::optional<RibSettingFault> checkRibSettings(const RibSettings& settings);

// The airfoil of that name the wing carries, the case of its letters aside; null if none.
const Airfoil* carriedAirfoil(const RibsDefinition& definition, std::string_view name);

// The airfoil a station name stands for: the wing's own of that name (ASCII letter case aside),
// else a generated NACA section; nothing when neither.
std::optional<Airfoil> findAirfoil(const RibsDefinition& definition, std::string_view name);

// The name a station uses: its own, else the nearest named station inward.
std::string stationAirfoilName(const RibsDefinition& definition, int station);

// Adds the airfoil under a name no other airfoil of the definition has ("NAME (2)"...); one with
// the same name and points is there already. Returns the name it goes by.
std::string addAirfoil(RibsDefinition& definition, Airfoil airfoil);

// What a new wing's ribs start from: NACA 2412 throughout, a rib every 60 mm.
RibsDefinition defaultRibsDefinition();
