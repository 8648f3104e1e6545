// SPDX-License-Identifier: GPL-3.0-or-later
// The Stability menu, after Language: the tail and neutral-point window on the session's
// stability data, and the messages about the .stab file beside the wing. The main window creates
// it and redraws its preview when the neutral point may have moved.
#pragma once

#include "i18n/TextKey.h"
#include "ui/common/FeatureContext.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
struct StabilityFileProblem;

class StabilityActions : public QObject {
    Q_OBJECT
public:
    // The menu goes into the window's menu bar before the menu action `before`.
    StabilityActions(const FeatureContext& context, QAction* before,
                     std::function<void()> stabilityChanged);

    void translate();
    void showStability();
    void showFileProblem(const StabilityFileProblem& problem, TextKey intro);

    QMenu* menu() const { return menu_; }
    QAction* tailAction() const { return tailAction_; }

private:
    FeatureContext context_;
    std::function<void()> stabilityChanged_;
    QMenu* menu_;
    QAction* tailAction_;
};
