// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the stability window in their layouts: the choice of a tail or a flying wing,
// the tail grid as on the main window, the other inputs under it and the results in two columns;
// the method in plain words beside them, the warnings and the buttons below. Layouts size every
// caption to its text, so no translation is ever cut, and the method scrolls in a small window.
#include "ui/common/CaptionedComboBox.h"
#include "ui/common/FormControls.h"
#include "ui/common/FormFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WingField.h"
#include "ui/stability/StabilityDialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr double kValueWidth = 1500; // room for " 1 234.56 mm  " in every language
constexpr double kHelpWidth = 7200;  // the method beside the inputs, at this width or wider
constexpr int kPositionCount = 5;    // four tail positions and "other value"
const QColor kWarningColour{176, 0, 0};

struct PanelFieldsRow {
    StabilityPanelFields& fields;
    const QString& allowed;
};

void buildTailGrid(QDialog& dialog, StabilityDialogControls& c) {
    c.tailGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.tailGroup);
    const PanelFieldsRow rows[] = {
        {c.rootChordFields, kDigitsAndPoint},
        {c.tipChordFields, kDigitsAndPoint},
        {c.panelLengthFields, kDigitsAndPoint},
        {c.sweepOffsetFields, kDigitsPointAndMinus},
    };
    for (int row = 0; row < 4; ++row) {
        c.rowCaptions[row] = makeCaption(c.tailGroup);
        grid->addWidget(c.rowCaptions[row], row + 1, 0);
    }
    for (int panel = 0; panel < kPanelCount; ++panel) {
        c.panelCaptions[panel] = makeLabel(c.tailGroup, false, Qt::AlignCenter);
        grid->addWidget(c.panelCaptions[panel], 0, panel + 1);
        for (int row = 0; row < 4; ++row) {
            rows[row].fields[panel] =
                makeField(c.tailGroup, rows[row].allowed, FieldQuantity::Length);
            grid->addWidget(rows[row].fields[panel], row + 1, panel + 1);
        }
        // Root chords 2 to 5 only mirror the previous tip chord.
        c.rootChordFields[panel]->setEnabled(panel == 0);
    }
    grid->setColumnStretch(kPanelCount + 1, 1);
}

QHBoxLayout* buildLayoutChoice(QDialog& dialog, StabilityDialogControls& c) {
    auto* row = new QHBoxLayout;
    c.withTailChoice = new QRadioButton(&dialog);
    c.noTailChoice = new QRadioButton(&dialog);
    c.layoutChoice = new QButtonGroup(&dialog);
    for (QRadioButton* choice : {c.withTailChoice, c.noTailChoice}) {
        choice->setFont(formFont(8.25, true));
        c.layoutChoice->addButton(choice);
        row->addWidget(choice);
    }
    row->addStretch(1);
    return row;
}

// Distance, tail position, efficiency and margin: caption, input, unit. A distance or margin
// below zero may be typed, so that its message can say what is wrong with it.
QGridLayout* buildOtherInputs(QDialog& dialog, StabilityDialogControls& c) {
    auto* grid = new QGridLayout;
    c.distanceCaption = makeCaption(&dialog);
    c.distanceField = makeField(&dialog, kDigitsPointAndMinus, FieldQuantity::Length);
    c.distanceUnit = makeLabel(&dialog, false);
    c.positionCaption = makeCaption(&dialog);
    c.positionCombo = new CaptionedComboBox(&dialog);
    c.positionCombo->setFont(formFont(8.25, false));
    c.positionCombo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (int i = 0; i < kPositionCount; ++i)
        c.positionCombo->addItem(QString());
    c.efficiencyCaption = makeCaption(&dialog);
    c.efficiencyField = makeField(&dialog, kDigitsAndPoint);
    c.marginCaption = makeCaption(&dialog);
    c.marginField = makeField(&dialog, kDigitsPointAndMinus);
    c.marginUnit = makeLabel(&dialog, true);
    c.marginUnit->setText(QStringLiteral("%"));

    // Each caption labels its input for a screen reader.
    c.distanceCaption->setBuddy(c.distanceField);
    c.positionCaption->setBuddy(c.positionCombo);
    c.efficiencyCaption->setBuddy(c.efficiencyField);
    c.marginCaption->setBuddy(c.marginField);
    grid->addWidget(c.distanceCaption, 0, 0);
    grid->addWidget(c.distanceField, 0, 1);
    grid->addWidget(c.distanceUnit, 0, 2);
    grid->addWidget(c.positionCaption, 1, 0);
    grid->addWidget(c.positionCombo, 1, 1, 1, 3, Qt::AlignLeft);
    grid->addWidget(c.efficiencyCaption, 2, 0);
    grid->addWidget(c.efficiencyField, 2, 1);
    grid->addWidget(c.marginCaption, 3, 0);
    grid->addWidget(c.marginField, 3, 1);
    grid->addWidget(c.marginUnit, 3, 2);
    grid->setColumnStretch(3, 1);
    return grid;
}

StabilityResultRow makeResultRow(QGroupBox* group, QGridLayout* grid, int row, int column,
                                 bool inPercentToo) {
    StabilityResultRow result;
    result.caption = makeCaption(group);
    result.value = makeLabel(group, false);
    result.value->setMinimumWidth(twipsToPixels(kValueWidth));
    result.caption->setBuddy(result.value);
    grid->addWidget(result.caption, row, column);
    grid->addWidget(result.value, row, column + 1);
    if (inPercentToo) {
        result.percentValue = makeLabel(group, false);
        result.percentValue->setMinimumWidth(twipsToPixels(kValueWidth));
        grid->addWidget(result.percentValue, row, column + 2);
    }
    return result;
}

// The tail on the left; where the neutral point and the balance lie on the right.
void buildResults(QDialog& dialog, StabilityDialogControls& c) {
    c.resultsGroup = makeGroup(&dialog);
    auto* grid = new QGridLayout(c.resultsGroup);
    c.tailArea = makeResultRow(c.resultsGroup, grid, 0, 0, false);
    c.tailMeanChord = makeResultRow(c.resultsGroup, grid, 1, 0, false);
    c.tailAspectRatio = makeResultRow(c.resultsGroup, grid, 2, 0, false);
    c.tailArm = makeResultRow(c.resultsGroup, grid, 3, 0, false);
    c.tailVolume = makeResultRow(c.resultsGroup, grid, 4, 0, false);
    c.neutralPoint = makeResultRow(c.resultsGroup, grid, 0, 2, true);
    c.balanceForMargin = makeResultRow(c.resultsGroup, grid, 1, 2, true);
    c.marginAtBalance = makeResultRow(c.resultsGroup, grid, 2, 2, false);
}

void buildHelp(QDialog& dialog, StabilityDialogControls& c) {
    c.helpGroup = makeGroup(&dialog);
    auto* layout = new QVBoxLayout(c.helpGroup);
    c.helpText = new QPlainTextEdit(c.helpGroup);
    c.helpText->setFont(formFont(8.25, false));
    c.helpText->setReadOnly(true);
    c.helpText->setFrameShape(QFrame::NoFrame);
    QPalette palette = c.helpText->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    c.helpText->setPalette(palette);
    c.helpText->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.helpText->setMinimumWidth(twipsToPixels(kHelpWidth));
    layout->addWidget(c.helpText);
}

QLabel* buildWarning(QDialog& dialog, StabilityDialogControls& c) {
    c.warningLabel = makeLabel(&dialog, true);
    c.warningLabel->setWordWrap(true);
    showAsWarning(c.warningLabel, true);
    return c.warningLabel;
}

// The main window's order: panel by panel, then the other inputs, then the buttons.
void setKeyboardOrder(StabilityDialogControls& c) {
    QList<QWidget*> order{c.withTailChoice, c.noTailChoice};
    for (int panel = 0; panel < kPanelCount; ++panel)
        order << c.rootChordFields[panel] << c.tipChordFields[panel] << c.panelLengthFields[panel]
              << c.sweepOffsetFields[panel];
    order << c.distanceField << c.positionCombo << c.efficiencyField << c.marginField
          << c.buttons.calculate << c.buttons.ok << c.buttons.cancel << c.buttons.remove
          << c.helpText;
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

StabilityDialogControls buildStabilityDialogControls(QDialog& dialog) {
    StabilityDialogControls c;
    dialog.setFont(formFont());
    auto* inputs = new QVBoxLayout;
    inputs->addLayout(buildLayoutChoice(dialog, c));
    buildTailGrid(dialog, c);
    inputs->addWidget(c.tailGroup);
    inputs->addLayout(buildOtherInputs(dialog, c));
    buildResults(dialog, c);
    inputs->addWidget(c.resultsGroup);
    inputs->addStretch(1);
    auto* columns = new QHBoxLayout;
    columns->addLayout(inputs);
    buildHelp(dialog, c);
    columns->addWidget(c.helpGroup, 1);

    auto* layout = new QVBoxLayout(&dialog);
    layout->addLayout(columns, 1);
    layout->addWidget(buildWarning(dialog, c));
    layout->addLayout(buildEditingButtons(dialog, c.buttons));
    setKeyboardOrder(c);
    return c;
}

void showAsWarning(QLabel* label, bool warning) {
    QPalette palette = label->parentWidget()->palette();
    if (warning)
        palette.setColor(QPalette::WindowText, kWarningColour);
    label->setPalette(palette);
}
