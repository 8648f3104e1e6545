// SPDX-License-Identifier: GPL-3.0-or-later
// The Units menu, after Language: lengths in millimetres or inches, the mass in grams or ounces.
// The choice goes to the session, is remembered in tz.ini for the next start, and every window
// then shows and takes the new units; the files keep millimetres and grams.
#pragma once

#include "calc/DisplayUnits.h"
#include "ui/common/FeatureContext.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;

class UnitsActions : public QObject {
    Q_OBJECT
public:
    // The menu goes into the window's menu bar before the menu action `before`; the session
    // takes the remembered units at once. unitsChanged shows the window in new units.
    UnitsActions(const FeatureContext& context, QAction* before,
                 std::function<void()> unitsChanged);

    void translate();
    void choose(UnitChoice units);

    QMenu* menu() const { return menu_; }
    QAction* millimetresAction() const { return millimetres_; }
    QAction* inchesAction() const { return inches_; }
    QAction* gramsAction() const { return grams_; }
    QAction* ouncesAction() const { return ounces_; }

private:
    void showChoice();

    FeatureContext context_;
    std::function<void()> unitsChanged_;
    QMenu* menu_;
    QAction* millimetres_;
    QAction* inches_;
    QAction* grams_;
    QAction* ounces_;
};
