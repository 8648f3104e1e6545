// SPDX-License-Identifier: GPL-3.0-or-later
// Checks that walk every widget of a window, so a window or control added later is covered
// without a change here: captions that do not fit, and controls a screen reader cannot name.
#pragma once

#include <string>
#include <vector>

class QWidget;

// Every caption of the window's labels, buttons, frames, lists, menu bar and menus that its
// font's metrics say does not fit its control (icons and frames counted), every control that
// lies outside its parent, and every two texts that overlap. Empty when all is well. The window
// must have been laid out (shown).
std::vector<std::string> captionsThatDoNotFit(const QWidget& window);

// Every control the user can reach (fields, buttons, lists) that a screen reader finds no name
// for, through the accessibility interface Qt gives it; a list needs a label.
std::vector<std::string> controlsWithoutNames(const QWidget& window);

// The problems one to a line, for a test's failure message.
std::string listed(const std::vector<std::string>& problems);
