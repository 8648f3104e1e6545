// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's full-size entries: the wing at 1:1 tiled over pages (FullSizePrint), the
// outline exported as DXF or SVG, and the choice of one half-wing or both, remembered for the
// next start. The main window creates it and hands it its menu.
#pragma once

#include "ui/common/FeatureContext.h"

#include <QObject>

class QAction;
class QMenu;

class FullSizeActions : public QObject {
    Q_OBJECT
public:
    // The entries go into the menu before the action `before`.
    FullSizeActions(const FeatureContext& context, QMenu& menu, QAction* before);

    void translate();
    void exportOutline();

    QAction* printFullSizeAction() const { return printFullSizeAction_; }
    QAction* exportOutlineAction() const { return exportOutlineAction_; }
    QAction* bothHalvesAction() const { return bothHalvesAction_; }

private:
    bool bothHalves() const;

    FeatureContext context_;
    QAction* printFullSizeAction_;
    QAction* exportOutlineAction_;
    QAction* bothHalvesAction_; // checkable: the full-size plan of the whole wing
};
