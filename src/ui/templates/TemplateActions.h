// SPDX-License-Identifier: GPL-3.0-or-later
// The File menu's template entries: the rib templates and the foam-core templates of the wing's
// ribs at 1:1, asked for a title and a paper, shown in a preview, then printed or written as a
// PDF as the full-size plan is. The rib templates follow the "both halves" choice of the
// full-size entries: each rib twice, left and right. The main window creates it.
#pragma once

#include "ui/common/FeatureContext.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;
struct TemplatesToPrint;

class TemplateActions : public QObject {
    Q_OBJECT
public:
    // The entries go into the menu before the action `before`; bothHalves tells the current
    // choice of both halves.
    TemplateActions(const FeatureContext& context, QMenu& menu, QAction* before,
                    std::function<bool()> bothHalves);

    void translate();
    void printRibTemplates();
    void printCoreTemplates();

    QAction* printRibTemplatesAction() const { return printRibTemplatesAction_; }
    QAction* printCoreTemplatesAction() const { return printCoreTemplatesAction_; }

private:
    // The title, or an empty one after telling why the wing has no templates yet.
    std::string titleForTemplates();
    void printTemplates(const TemplatesToPrint& templates);

    FeatureContext context_;
    std::function<bool()> bothHalves_;
    QAction* printRibTemplatesAction_;
    QAction* printCoreTemplatesAction_;
};
