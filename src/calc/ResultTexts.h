// The seven result texts of the main window, shared by the window and the command line.
#pragma once

#include "calc/WingResults.h"

#include <string>
#include <string_view>

inline constexpr std::string_view kLengthUnit = " mm  ";
inline constexpr std::string_view kAreaUnit = " dm\u00b2  ";
inline constexpr std::string_view kLoadingUnit = " g/dm\u00b2";

struct ResultTexts {
    std::string Lbenv;       // span
    std::string Lbsurf;      // area
    std::string Lballong;    // aspect ratio
    std::string Lbdist_x;    // spanwise station of the mean chord
    std::string Lbdistcentr; // balance distance behind the root leading edge
    std::string Lbcmoy;      // mean aerodynamic chord
    std::string LbafficheCA; // wing loading
    bool operator==(const ResultTexts&) const = default;
};

ResultTexts MakeResultTexts(const WingPlanform& planform, const WingResults& results,
                            std::string_view decimalSeparator);
