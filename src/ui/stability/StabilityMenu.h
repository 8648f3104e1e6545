// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Stability menu, after Language: one entry that opens the tail and
// neutral-point window.
#pragma once

class LanguageState;
class QAction;
class QMainWindow;
class QMenu;
struct MainWindowControls;

struct StabilityMenu {
    QMenu* menu = nullptr;
    QAction* tailAction = nullptr;
};

// Placed between the Language entry and the Help menu of the window's menu bar.
StabilityMenu buildStabilityMenu(QMainWindow& window, const MainWindowControls& controls);

void translateStabilityMenu(const StabilityMenu& menu, const LanguageState& language);
