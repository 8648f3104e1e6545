// SPDX-License-Identifier: GPL-3.0-or-later
// The tail and neutral-point window: a view of the session's stability data. Edits go to the
// session as they are typed; Enter or Calculate works out the neutral point and shows it, and the
// main window redraws its preview with the green tick.
#pragma once

#include "calc/WingFields.h"

#include <QDialog>
#include <array>
#include <functional>

class LanguageState;
class Prompter;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class WingField;
class WingSession;
struct StabilityResults;

using StabilityPanelFields = std::array<WingField*, kPanelCount>;

// A result: its caption and one value, or two for a place given in mm and in % of the MAC.
struct StabilityResultRow {
    QLabel* caption = nullptr;
    QLabel* value = nullptr;
    QLabel* percentValue = nullptr;
};

struct StabilityDialogControls {
    QCheckBox* noTailCheck = nullptr;
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

    QGroupBox* helpGroup = nullptr;
    QLabel* helpLabel = nullptr;
    QPushButton* calculateButton = nullptr;
    QPushButton* removeButton = nullptr;
    QPushButton* okButton = nullptr;
};

// Creates the controls in their layout, without texts, owned by the dialog.
StabilityDialogControls buildStabilityDialogControls(QDialog& dialog);

class StabilityDialog : public QDialog {
    Q_OBJECT
public:
    // stabilityChanged runs whenever the neutral point may have moved or gone, so the owner can
    // redraw what marks it.
    StabilityDialog(QWidget* owner, Prompter& prompter, const LanguageState& language,
                    WingSession& session, std::function<void()> stabilityChanged);

    const StabilityDialogControls& controls() const { return c_; }

    // Sets every text and accessible name in the current language.
    void translate();
    void calculate();
    void removeStability();

private:
    std::array<const StabilityPanelFields*, 4> panelRows() const;
    std::array<const StabilityResultRow*, 8> resultRows() const;
    void connectControls();
    void connectField(WingField* field, std::function<void(const std::string&)> forward);
    void pickPosition(int index);
    void showFields();
    void showTailEnabled();
    void showPosition();
    // Quietly: the results when the data calculate, else empty.
    void showCurrentResults();
    void showResults(const StabilityResults& results);
    void clearResults();
    void nameResults();
    void nameFields();

    Prompter& prompter_;
    const LanguageState& language_;
    WingSession& session_;
    std::function<void()> stabilityChanged_;
    StabilityDialogControls c_;
    bool showingSession_ = false; // fields are being set from the session, not typed
};
