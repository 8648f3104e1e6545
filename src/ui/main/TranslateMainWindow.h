// SPDX-License-Identifier: GPL-3.0-or-later
// Gives every translatable text of the main window's controls its words from the current
// language file; the window shows its title itself. A missing text shows empty: there is no
// fall-back to the built-in French.
#pragma once

#include "calc/DisplayUnits.h"

class LanguageState;
struct MainWindowControls;

// The captions that name a unit name the chosen one.
void translateMainWindow(MainWindowControls& controls, const LanguageState& language,
                         UnitChoice units);
