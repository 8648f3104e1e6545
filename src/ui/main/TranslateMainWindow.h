// SPDX-License-Identifier: GPL-3.0-or-later
// Gives every translatable text of the main window its words from the current language file.
// A missing text shows empty: there is no fall-back to the built-in French.
#pragma once

class LanguageState;
struct MainWindowControls;
class QMainWindow;

void translateMainWindow(QMainWindow& window, MainWindowControls& controls,
                         const LanguageState& language);
