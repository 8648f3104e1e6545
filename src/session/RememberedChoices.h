// SPDX-License-Identifier: GPL-3.0-or-later
// The choices a user makes once and finds again at the next start: where the file dialogs open,
// the full-size plan of both halves, its paper, and the units. They live in tz.ini beside the
// language, in sections "Choices" and "Units"; where tz.ini cannot be written they hold for the
// run, and the user is told once, not at every file picked.
#pragma once

#include "calc/DisplayUnits.h"

#include <map>
#include <string>
#include <string_view>

class LanguageState;

inline constexpr std::string_view kChoicesSection = "Choices";
// Keys "Length" (mm or in) and "Mass" (g or oz), as the command line names them.
inline constexpr std::string_view kUnitsSection = "Units";

class RememberedChoices {
public:
    explicit RememberedChoices(LanguageState& settings);

    // The folder of the last file opened or written, as UTF-8; "" before there is one.
    std::string folder() const;
    void setFolder(const std::string& folder);
    bool bothHalves() const;
    void setBothHalves(bool bothHalves);
    // The full-size plan's paper, by its name ("A4", "Letter"); "" before one was chosen.
    std::string paper() const;
    void setPaper(const std::string& paper);
    // Millimetres and grams until another choice is remembered.
    UnitChoice units() const;
    void setUnits(UnitChoice units);

private:
    std::string value(std::string_view key, std::string_view section = kChoicesSection) const;
    void remember(std::string_view key, const std::string& value,
                  std::string_view section = kChoicesSection);

    LanguageState& settings_;
    std::map<std::string, std::string, std::less<>> heldForRun_;
    bool told_ = false; // tz.ini refused a choice and the user knows
};
