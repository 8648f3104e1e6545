// SPDX-License-Identifier: GPL-3.0-or-later
// A wing file opened and calculated exactly as file > open does, for the command line.
#pragma once

#include "session/WingSession.h"

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
