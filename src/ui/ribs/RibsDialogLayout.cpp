// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the Ribs window in their layouts: the inputs in a column on the left (airfoils,
// ribs, spars, washout), the list of ribs and the drawing of the selected one on the right, the
// buttons under both. Layouts size every caption to its text, so no translation is ever cut;
// the list and the drawing take what room the window is given.
#include "ui/common/FormControls.h"
#include "ui/common/FormFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WingField.h"
#include "ui/ribs/RibView.h"
#include "ui/ribs/RibsDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kSideCount = 4; // none, top, bottom, both
constexpr int kRibColumns = 8;
constexpr double kListWidth = 10500;
constexpr double kListHeight = 3600;
constexpr double kDrawingHeight = 2400;

QComboBox* makeCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->setFont(formFont(8.25, false));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

QGroupBox* buildAirfoils(QDialog& dialog, RibsDialogControls& c) {
    c.airfoilsGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.airfoilsGroup);
    for (int station = 0; station < kAirfoilStationCount; ++station) {
        c.airfoilCaptions[station] = makeCaption(c.airfoilsGroup);
        c.airfoilCombos[station] = makeCombo(c.airfoilsGroup);
        // A list is named by its label on Linux.
        c.airfoilCaptions[station]->setBuddy(c.airfoilCombos[station]);
        grid->addWidget(c.airfoilCaptions[station], station, 0);
        grid->addWidget(c.airfoilCombos[station], station, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    return c.airfoilsGroup;
}

QGroupBox* buildRibSettings(QDialog& dialog, RibsDialogControls& c) {
    c.ribsGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.ribsGroup);
    const std::array<std::pair<QLabel**, WingField**>, 4> rows{{
        {&c.spacingCaption, &c.spacingField},
        {&c.sheetingCaption, &c.sheetingField},
        {&c.leadingEdgeCutCaption, &c.leadingEdgeCutField},
        {&c.trailingEdgeCutCaption, &c.trailingEdgeCutField},
    }};
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        *rows[row].first = makeCaption(c.ribsGroup);
        *rows[row].second = makeField(c.ribsGroup, kDigitsAndPoint, FieldQuantity::Length);
        (*rows[row].first)->setBuddy(*rows[row].second);
        grid->addWidget(*rows[row].first, row, 0);
        grid->addWidget(*rows[row].second, row, 1);
    }
    grid->setColumnStretch(2, 1);
    return c.ribsGroup;
}

QGroupBox* buildSpars(QDialog& dialog, RibsDialogControls& c) {
    c.sparsGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.sparsGroup);
    for (int column = 0; column < static_cast<int>(c.sparHeadings.size()); ++column) {
        c.sparHeadings[column] = makeLabel(c.sparsGroup, false, Qt::AlignCenter);
        grid->addWidget(c.sparHeadings[column], 0, column + 1);
    }
    for (int spar = 0; spar < kSparCount; ++spar) {
        SparControls& s = c.spars[spar];
        s.caption = makeCaption(c.sparsGroup);
        s.positionField = makeField(c.sparsGroup, kDigitsAndPoint);
        s.widthField = makeField(c.sparsGroup, kDigitsAndPoint, FieldQuantity::Length);
        s.depthField = makeField(c.sparsGroup, kDigitsAndPoint, FieldQuantity::Length);
        s.sideCombo = makeCombo(c.sparsGroup);
        for (int side = 0; side < kSideCount; ++side)
            s.sideCombo->addItem(QString());
        s.caption->setBuddy(s.sideCombo); // a list is named by its label; fields by name
        grid->addWidget(s.caption, spar + 1, 0);
        grid->addWidget(s.positionField, spar + 1, 1, Qt::AlignHCenter);
        grid->addWidget(s.widthField, spar + 1, 2, Qt::AlignHCenter);
        grid->addWidget(s.depthField, spar + 1, 3, Qt::AlignHCenter);
        grid->addWidget(s.sideCombo, spar + 1, 4);
    }
    grid->setColumnStretch(5, 1);
    return c.sparsGroup;
}

QGroupBox* buildTwists(QDialog& dialog, RibsDialogControls& c) {
    c.twistGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.twistGroup);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        c.twistCaptions[panel] = makeLabel(c.twistGroup, false, Qt::AlignCenter);
        c.twistFields[panel] = makeField(c.twistGroup, kDigitsPointAndMinus);
        c.twistCaptions[panel]->setBuddy(c.twistFields[panel]);
        grid->addWidget(c.twistCaptions[panel], 0, panel);
        grid->addWidget(c.twistFields[panel], 1, panel, Qt::AlignHCenter);
    }
    grid->setColumnStretch(kPanelCount, 1);
    return c.twistGroup;
}

// Under the drawing, where the tabs show: the switch and the board's side on the first row, the
// tabs' sizes under them, the hot wire's kerf at the end of the first row.
QGroupBox* buildJigTabs(QDialog& dialog, JigControls& c) {
    c.group = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.group);
    c.tabsCheck = new QCheckBox(c.group);
    grid->addWidget(c.tabsCheck, 0, 0, 1, 2);
    c.sideCaption = makeCaption(c.group);
    c.sideCombo = makeCombo(c.group);
    for (int side = 0; side < 2; ++side)
        c.sideCombo->addItem(QString());
    c.sideCaption->setBuddy(c.sideCombo);
    grid->addWidget(c.sideCaption, 0, 2);
    grid->addWidget(c.sideCombo, 0, 3, 1, 2, Qt::AlignLeft);
    struct Place {
        QLabel** caption;
        WingField** field;
        FieldQuantity quantity;
        int row;
        int column;
    };
    const std::array<Place, 5> places{{
        {&c.heightCaption, &c.heightField, FieldQuantity::Length, 1, 0},
        {&c.widthCaption, &c.widthField, FieldQuantity::Length, 2, 0},
        {&c.frontCaption, &c.frontField, FieldQuantity::Plain, 1, 2},
        {&c.rearCaption, &c.rearField, FieldQuantity::Plain, 2, 2},
        {&c.coreKerfCaption, &c.coreKerfField, FieldQuantity::Length, 1, 5},
    }};
    for (const Place& place : places) {
        *place.caption = makeCaption(c.group);
        *place.field = makeField(c.group, kDigitsAndPoint, place.quantity);
        (*place.caption)->setBuddy(*place.field);
        grid->addWidget(*place.caption, place.row, place.column);
        grid->addWidget(*place.field, place.row, place.column + 1);
    }
    grid->setColumnStretch(4, 1);
    return c.group;
}

QGroupBox* buildList(QDialog& dialog, RibsDialogControls& c) {
    c.listGroup = makeGroup(&dialog);
    auto* layout = new QVBoxLayout(c.listGroup);
    c.ribList = new QTableWidget(0, kRibColumns, c.listGroup);
    c.ribList->setFont(formFont(8.25, false));
    c.ribList->horizontalHeader()->setFont(formFont(8.25, true));
    c.ribList->setSelectionBehavior(QAbstractItemView::SelectRows);
    c.ribList->setSelectionMode(QAbstractItemView::SingleSelection);
    c.ribList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    c.ribList->verticalHeader()->hide();
    c.ribList->verticalHeader()->setDefaultSectionSize(c.ribList->fontMetrics().height() + 4);
    c.ribList->horizontalHeader()->setStretchLastSection(true);
    c.ribList->setMinimumSize(twipsToPixels(kListWidth), twipsToPixels(kListHeight));
    c.problemLabel = makeLabel(c.listGroup, false);
    c.problemLabel->setWordWrap(true);
    layout->addWidget(c.ribList, 1);
    layout->addWidget(c.problemLabel);
    return c.listGroup;
}

QGroupBox* buildDrawing(QDialog& dialog, RibsDialogControls& c) {
    c.drawingGroup = makeGroup(&dialog);
    auto* layout = new QVBoxLayout(c.drawingGroup);
    c.ribView = new RibView(c.drawingGroup);
    c.ribView->setMinimumHeight(twipsToPixels(kDrawingHeight));
    c.ribCaption = makeLabel(c.drawingGroup, false);
    c.ribCaption->setWordWrap(true);
    layout->addWidget(c.ribView, 1);
    layout->addWidget(c.ribCaption);
    return c.drawingGroup;
}

} // namespace

RibsDialogControls buildRibsDialogControls(QDialog& dialog) {
    RibsDialogControls c;
    dialog.setFont(formFont());
    auto* layout = new QVBoxLayout(&dialog);
    auto* columns = new QHBoxLayout;
    auto* inputs = new QVBoxLayout;
    inputs->addWidget(buildAirfoils(dialog, c));
    inputs->addWidget(buildRibSettings(dialog, c));
    inputs->addWidget(buildSpars(dialog, c));
    inputs->addWidget(buildTwists(dialog, c));
    inputs->addStretch(1);
    auto* results = new QVBoxLayout;
    results->addWidget(buildList(dialog, c), 3);
    results->addWidget(buildDrawing(dialog, c), 2);
    results->addWidget(buildJigTabs(dialog, c.jig));
    columns->addLayout(inputs);
    columns->addLayout(results, 1);
    layout->addLayout(columns, 1);
    layout->addLayout(buildEditingButtons(dialog, c.buttons));
    return c;
}
