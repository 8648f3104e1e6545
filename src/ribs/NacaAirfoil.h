// SPDX-License-Identifier: GPL-3.0-or-later
// NACA four-digit sections from their published formula, so a wing needs no coordinate file for
// the sections modellers use most ("NACA 2412" for a wing, "NACA 0009" for a tail).
#pragma once

#include "ribs/Airfoil.h"

#include <array>
#include <optional>
#include <string_view>

// "NACA 2412": maximum camber 2 % of the chord at 40 % of the chord, 12 % thick. Any letter case,
// blanks around and between the words optional.
struct NacaDigits {
    int camberPercent = 0;
    int camberTenths = 0;
    int thicknessPercent = 0;
};
std::optional<NacaDigits> nacaDigitsOf(std::string_view name);

// The formula's points in Selig order, cosine-spaced, with the trailing edge closed (the last
// thickness coefficient -0.1036), thickness laid off normal to the camber line. Not normalised:
// the formula's own chord runs from (0, 0) to (1, 0).
std::vector<Point2D> nacaFormulaPoints(const NacaDigits& digits);

// The section, named "NACA dddd" and normalised as every airfoil is; nothing for a name that is
// no four-digit designation or a section thinner than 1 %.
std::optional<Airfoil> nacaAirfoil(std::string_view name);

// The sections the airfoil chooser offers without a file.
inline constexpr std::array<std::string_view, 12> kOfferedNacaSections{
    "NACA 0006", "NACA 0009", "NACA 0012", "NACA 0015", "NACA 2409", "NACA 2412",
    "NACA 2415", "NACA 4409", "NACA 4412", "NACA 4415", "NACA 6409", "NACA 6412"};
