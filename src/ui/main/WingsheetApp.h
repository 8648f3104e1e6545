// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the Qt application with the main window and runs it until the window closes.
#pragma once

#include <string>

class LanguageState;
class MainWindow;

// wingFile, from the command line, opens in the window as File > Open opens a file; "" for none.
int runWingsheetWindow(int argc, char** argv, LanguageState& language, const std::string& wingFile);

// The start of a run: the language, the window on screen, then the wing file if one is named.
// False when the user quit instead of picking a language.
// wingFile is the file system's bytes, as the command line gave them.
bool showMainWindow(MainWindow& window, const std::string& wingFile);
