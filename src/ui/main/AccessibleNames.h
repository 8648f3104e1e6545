// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader hears in the main window: each field named by its row and panel, each
// result by its caption and value, and the preview described. Run again after every language
// switch and every change of the results.
#pragma once

#include "calc/DisplayUnits.h"
#include "i18n/TextKey.h"

#include <string_view>

struct MainWindowControls;

// units and decimalSeparator write the neutral point the preview marks as the results are
// written.
void nameMainWindowControls(MainWindowControls& controls, const TextLookup& text,
                            const DisplayUnits& units, std::string_view decimalSeparator);
