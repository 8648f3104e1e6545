// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stability/StabilityMenu.h"

#include "i18n/TextKeys.h"
#include "ui/common/LanguageText.h"
#include "ui/main/MainWindowControls.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

StabilityMenu buildStabilityMenu(QMainWindow& window, const MainWindowControls& controls) {
    StabilityMenu built;
    built.menu = new QMenu(&window);
    built.tailAction = built.menu->addAction(QString());
    window.menuBar()->insertMenu(controls.helpMenu->menuAction(), built.menu);
    return built;
}

void translateStabilityMenu(const StabilityMenu& menu, const LanguageState& language) {
    menu.menu->setTitle(uiText(language, kStabilityMenu));
    menu.tailAction->setText(uiText(language, kTailAction));
}
