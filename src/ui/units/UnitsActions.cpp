// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/units/UnitsActions.h"

#include "i18n/TextKeys.h"
#include "session/WingSession.h"
#include "ui/common/LanguageText.h"

#include <QActionGroup>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

// Two choices of one kind: a checked entry each, of which one is on.
std::pair<QAction*, QAction*> addChoicePair(QMenu& menu) {
    auto* group = new QActionGroup(&menu);
    QAction* first = group->addAction(QString());
    QAction* second = group->addAction(QString());
    first->setCheckable(true);
    second->setCheckable(true);
    menu.addActions(group->actions());
    return {first, second};
}

} // namespace

UnitsActions::UnitsActions(const FeatureContext& context, QAction* before,
                           std::function<void()> unitsChanged)
    : QObject(&context.window)
    , context_(context)
    , unitsChanged_(std::move(unitsChanged))
    , menu_(new QMenu(&context.window)) {
    std::tie(millimetres_, inches_) = addChoicePair(*menu_);
    menu_->addSeparator();
    std::tie(grams_, ounces_) = addChoicePair(*menu_);
    context.window.menuBar()->insertMenu(before, menu_);
    context.session.setUnits(context.choices.remembered.units());
    showChoice();
    for (QAction* entry : {millimetres_, inches_, grams_, ounces_})
        connect(entry, &QAction::triggered, this, [this] {
            choose({inches_->isChecked() ? LengthUnit::Inch : LengthUnit::Millimetre,
                    ounces_->isChecked() ? MassUnit::Ounce : MassUnit::Gram});
        });
}

void UnitsActions::translate() {
    menu_->setTitle(uiText(context_.language, kUnitsMenu));
    millimetres_->setText(uiText(context_.language, kMillimetresChoice));
    inches_->setText(uiText(context_.language, kInchesChoice));
    grams_->setText(uiText(context_.language, kGramsChoice));
    ounces_->setText(uiText(context_.language, kOuncesChoice));
}

void UnitsActions::choose(UnitChoice units) {
    context_.session.setUnits(units);
    context_.choices.remembered.setUnits(units);
    showChoice();
    unitsChanged_();
}

void UnitsActions::showChoice() {
    const UnitChoice units = context_.session.units();
    millimetres_->setChecked(units.length == LengthUnit::Millimetre);
    inches_->setChecked(units.length == LengthUnit::Inch);
    grams_->setChecked(units.mass == MassUnit::Gram);
    ounces_->setChecked(units.mass == MassUnit::Ounce);
}
