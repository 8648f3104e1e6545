// SPDX-License-Identifier: GPL-3.0-or-later
// The templates of a wing file for a cutter or for paper: `--ribs-dxf` and `--ribs-svg` (every rib
// the .ribs beside the wing file defines, one under the other or nested on sheets), `--cores-dxf`
// (each panel's foam-core templates), which run without a window system, and the parts that
// `--ribs-pdf` and `--cores-pdf` print.
#pragma once

#include "app/CommandLine.h"
#include "app/OpenedWing.h"
#include "ribs/CutLayout.h"

#include <iosfwd>
#include <optional>
#include <string_view>
#include <vector>

// The parts of the request's action for the opened wing: its ribs or its foam-core templates.
// Nothing, with the reason on err, when the wing has no ribs or they cannot be worked out; each
// rib that cannot be made as asked is named on err.
std::optional<std::vector<CutPart>> commandParts(const CommandRequest& request,
                                                 const OpenedWing& wing, std::ostream& err);

// 0 when the file was written; 1, with the reason on err, when the wing, its ribs, the nesting
// or the writing failed.
int writeCutSheet(const CommandRequest& request, const LanguageState& language,
                  std::string_view decimalSeparator, std::ostream& err);
