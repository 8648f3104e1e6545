// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the Qt application with the main window and runs it until the window closes.
#pragma once

class LanguageState;

int runWingsheetWindow(int argc, char** argv, LanguageState& language);
