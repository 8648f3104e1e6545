// SPDX-License-Identifier: GPL-3.0-or-later
// `wingsheet --ribs-dxf OUT.dxf FILE` and `--ribs-svg OUT.svg FILE`: every rib the .ribs beside
// the wing file defines, laid out one under the other, as a cutter's DXF or an SVG. Both run
// without a window system.
#pragma once

#include "app/CommandLine.h"

#include <iosfwd>
#include <string_view>

// 0 when the file was written, each rib that cannot be made named on err; 1, with the reason on
// err, when the wing, its ribs or the writing failed.
int writeRibSheet(const CommandRequest& request, const LanguageState& language,
                  std::string_view decimalSeparator, std::ostream& err);
