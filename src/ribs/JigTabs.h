// SPDX-License-Identifier: GPL-3.0-or-later
// Jig tabs: two tabs under each rib (over it, for a wing built upside down) reaching to one flat
// building board, so that the wing built on the board gets its washout and nothing else. Each rib
// turns about its trailing edge by its twist; the board lies parallel to the untwisted chords,
// as far from the nearest rib as the shortest tab must be long.
#pragma once

#include "ribs/Rib.h"

#include <vector>

// Adds the tabs to the outlines of the wing's ribs and lists them in each rib; a tab whose place
// the rib does not reach is named among its problems. Nothing when the settings want no tabs.
void addJigTabs(std::vector<Rib>& ribs, const RibSettings& settings);
