// SPDX-License-Identifier: GPL-3.0-or-later
// The Ribs menu, after Stability: the ribs and airfoils window on the session's ribs, and the
// messages about the .ribs file beside the wing. The main window creates it and redraws what
// shows the rib stations when the ribs may have changed.
#pragma once

#include "i18n/TextKey.h"
#include "ui/common/FeatureContext.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
struct RibsFileProblem;

class RibsActions : public QObject {
    Q_OBJECT
public:
    // The menu goes into the window's menu bar before the menu action `before`.
    RibsActions(const FeatureContext& context, QAction* before, std::function<void()> ribsChanged);

    void translate();
    void showRibs();
    void showFileProblem(const RibsFileProblem& problem, TextKey intro);

    QMenu* menu() const { return menu_; }
    QAction* ribsAction() const { return ribsAction_; }

private:
    FeatureContext context_;
    std::function<void()> ribsChanged_;
    QMenu* menu_;
    QAction* ribsAction_;
};
