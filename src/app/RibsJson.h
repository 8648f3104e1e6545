// SPDX-License-Identifier: GPL-3.0-or-later
// The "ribs" member of `--calc --json`: every rib the .ribs beside the wing file defines, with
// where it stands, its size, its place in the DXF and SVG of the ribs, and its problems.
#pragma once

#include "app/OpenedWing.h"

#include <nlohmann/json.hpp>
#include <optional>

// Nothing when there is no .ribs beside the wing (or the wing file itself could not be read);
// {"error": message} when the .ribs is broken or its ribs cannot be worked out.
std::optional<nlohmann::ordered_json> ribsJson(const OpenedWing& wing);
