// SPDX-License-Identifier: GPL-3.0-or-later
// The "stability" member of `--calc --json`: the neutral point worked out from the .stab file
// beside the wing file, or what stopped it.
#pragma once

#include "app/OpenedWing.h"

#include <nlohmann/json.hpp>
#include <optional>

// Nothing when there is no .stab beside the wing (or the wing file itself could not be read);
// {"error": message} when the .stab is broken or its values are refused.
std::optional<nlohmann::ordered_json> stabilityJson(const OpenedWing& wing);
