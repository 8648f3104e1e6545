// SPDX-License-Identifier: GPL-3.0-or-later
// The seven result texts of the main window, shared by the window and the command line.
#pragma once

#include "calc/DisplayUnits.h"
#include "calc/WingResults.h"

#include <string>
#include <string_view>

struct ResultTexts {
    std::string span;             // span
    std::string area;             // area
    std::string aspectRatio;      // aspect ratio
    std::string meanChordStation; // spanwise station of the mean chord
    std::string balanceDistance;  // balance distance behind the root leading edge
    std::string meanChord;        // mean aerodynamic chord
    std::string wingLoading;      // wing loading
    bool operator==(const ResultTexts&) const = default;
};

// In the units given; the results always had millimetres and grams.
ResultTexts makeResultTexts(const WingPlanform& planform, const WingResults& results,
                            std::string_view decimalSeparator, const DisplayUnits& units = {});
