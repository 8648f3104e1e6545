// SPDX-License-Identifier: GPL-3.0-or-later
// The words a user reads about the ribs: why they cannot be worked out, what is broken in a
// .ribs file or an airfoil file and where, what importing an airfoil did, and each rib's
// problems. The window shows them, the command line prints them.
#pragma once

#include "calc/DisplayUnits.h"
#include "i18n/TextKey.h"
#include "ribs/CalculateRibs.h"
#include "session/WingRibs.h"

#include <string>
#include <string_view>
#include <vector>

// "" when the ribs were worked out; a setting is named in the units chosen.
std::string ribsMessage(const RibsReport& report, const TextLookup& text, UnitChoice units = {});

// The setting as the window names it: "Sheeting", "Spar 2, Width (mm)", "Washout..., panel 3";
// a caption that names millimetres names inches when they are chosen.
std::string ribSettingName(const RibSettingFault& fault, const TextLookup& text,
                           UnitChoice units = {});

// The text of the key, the file's path on a line of its own, then what is broken in it or the
// file layer's error.
std::string ribsFileMessage(const RibsFileProblem& problem, TextKey intro, const TextLookup& text);

// "ag35.dat, line 12: the outline crosses itself".
std::string airfoilFaultMessage(std::string_view where, const AirfoilFileFault& fault,
                                bool countsPoints, const TextLookup& text);

// Imported: its name and what normalising did, a note a line; refused: why, and where.
std::string airfoilImportMessage(const AirfoilImport& imported, const std::string& path,
                                 std::string_view decimalSeparator, const TextLookup& text);

// The problems joined by "; ", "" for a whole rib.
std::string ribProblemsText(const std::vector<RibProblem>& problems, const TextLookup& text);
