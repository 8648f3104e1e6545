// SPDX-License-Identifier: GPL-3.0-or-later
// The tail and neutral-point window: a view of the session's stability data. Edits go to the
// session as they are typed and the results follow them; Enter or Calculate also says why they
// cannot be worked out. The main window redraws its preview with the green tick as they change;
// Cancel or Escape gives the session back the data it had when the window opened.
#pragma once

#include "calc/WingFields.h"
#include "session/WingStability.h"
#include "ui/common/EditingDialog.h"

#include <array>
#include <functional>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;
class WingField;
struct StabilityResults;

using StabilityPanelFields = std::array<WingField*, kPanelCount>;

// A result: its caption and one value, or two for a place given in mm and in % of the MAC.
struct StabilityResultRow {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
    QLabel* percentValue = nullptr;
};

struct StabilityDialogControls {
    // Neither is checked while the wing has no stability data.
    QRadioButton* withTailChoice = nullptr;
    QRadioButton* noTailChoice = nullptr;
    QButtonGroup* layoutChoice = nullptr;
    QGroupBox* tailGroup = nullptr;
    std::array<QLabel*, kPanelCount> panelCaptions{};
    std::array<QLabel*, 4> rowCaptions{}; // root chord, tip chord, length, sweep
    StabilityPanelFields rootChordFields{};
    StabilityPanelFields tipChordFields{};
    StabilityPanelFields panelLengthFields{};
    StabilityPanelFields sweepOffsetFields{};
    QLabel* distanceCaption = nullptr;
    WingField* distanceField = nullptr;
    QLabel* distanceUnit = nullptr;
    QLabel* positionCaption = nullptr;
    QComboBox* positionCombo = nullptr;
    QLabel* efficiencyCaption = nullptr;
    WingField* efficiencyField = nullptr;
    QLabel* marginCaption = nullptr;
    WingField* marginField = nullptr;
    QLabel* marginUnit = nullptr;

    QGroupBox* resultsGroup = nullptr;
    StabilityResultRow tailArea;
    StabilityResultRow tailMeanChord;
    StabilityResultRow tailAspectRatio;
    StabilityResultRow tailArm;
    StabilityResultRow tailVolume;
    StabilityResultRow neutralPoint;
    StabilityResultRow balanceForMargin;
    StabilityResultRow marginAtBalance;
    QLabel* warningLabel = nullptr; // in red, empty while there is nothing to warn of

    QGroupBox* helpGroup = nullptr;
    QPlainTextEdit* helpText = nullptr; // read-only, so a screen reader reads it as text
    EditingButtons buttons;
};

// Creates the controls in their layout, without texts, owned by the dialog.
StabilityDialogControls buildStabilityDialogControls(QDialog& dialog);

// A warning is written in red, the warning label always, a result while it is one.
void showAsWarning(QLabel* label, bool warning);

class StabilityDialog : public EditingDialog {
    Q_OBJECT
public:
    // stabilityChanged runs whenever the neutral point may have moved or gone, so the owner can
    // redraw what marks it.
    StabilityDialog(const FeatureContext& context, std::function<void()> stabilityChanged);

    const StabilityDialogControls& controls() const { return c_; }

    // Sets every text and accessible name in the current language.
    void translate();
    void calculate();

private:
    std::array<const StabilityPanelFields*, 4> panelRows() const;
    std::array<const StabilityResultRow*, 8> resultRows() const;
    void connectControls();
    // Asked before Remove: the next Save as deletes the file that keeps the data.
    QString removeQuestion() const;
    void removeStability();
    void connectField(WingField* field, std::function<void(const std::string&)> forward);
    void chooseLayout(bool hasTail);
    void pickPosition(int index);
    // After every edit: the fields as the session has them, the results they give.
    void showEdit();
    void showFields();
    void showLayout();
    void showPosition();
    // Quietly: the results when the data calculate, else empty.
    void showCurrentResults();
    void showResults(const StabilityResults& results);
    void clearResults();
    void nameResults();
    void nameFields();
    void translateInputs();
    void translateResults();

    std::function<void()> stabilityChanged_;
    StabilityDialogControls c_;
    bool showingSession_ = false; // fields are being set from the session, not typed
};
