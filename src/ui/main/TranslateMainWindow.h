// SPDX-License-Identifier: GPL-3.0-or-later
// Gives every translatable text of the main window's controls its words from the current
// language file; the window shows its title itself. A missing text shows empty: there is no
// fall-back to the built-in French.
#pragma once

class LanguageState;
struct MainWindowControls;

void translateMainWindow(MainWindowControls& controls, const LanguageState& language);
