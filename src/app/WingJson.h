// SPDX-License-Identifier: GPL-3.0-or-later
// The JSON description of an opened wing for `--calc --json`: one object per file, members in
// a fixed order so scripts and people can diff the output.
#pragma once

#include "app/OpenedWing.h"

#include <nlohmann/json.hpp>
#include <string_view>

nlohmann::ordered_json wingJson(const OpenedWing& wing);

// What the window would show in the session's units: the units' names, the fields, the result
// labels and, when the stability data calculate, the places of the neutral point and the CG.
nlohmann::ordered_json displayJson(const OpenedWing& wing);

std::string_view outcomeName(const OpenedWing& wing);
