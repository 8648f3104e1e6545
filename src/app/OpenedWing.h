// SPDX-License-Identifier: GPL-3.0-or-later
// A wing file opened and calculated exactly as file > open does, for the command line.
#pragma once

#include "session/WingSession.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

struct OpenedWing {
    std::string path;
    WingSession session;
    OpenOutcome outcome;
};

// "-" reads the wing from standard input.
OpenedWing openWing(const std::string& path, std::string_view decimalSeparator,
                    const TextLookup& text);

// The text the window would show for this wing, "" when it shows none.
std::string outcomeMessage(const OpenedWing& wing);

// The wing of a command that draws or exports it, its texts in those units: nullopt, after
// "wingsheet: PATH: message" on err, when the file cannot be read or the wing does not calculate.
std::optional<OpenedWing> openCalculatedWing(const std::string& path,
                                             std::string_view decimalSeparator,
                                             const TextLookup& text, UnitChoice units,
                                             std::ostream& err);
