// SPDX-License-Identifier: GPL-3.0-or-later
// The Ribs window: a view of the session's ribs. The airfoil of the root and of each panel's
// tip, the spacing, sheeting, stock, spars and washout go to the session as they are chosen or
// typed, and the list of every rib and the drawing of the selected one follow at once; a value
// out of range is named under the list, and by a message on Enter or Calculate. Cancel or
// Escape gives the session back the ribs it had when the window opened.
#pragma once

#include "calc/WingPlanform.h"
#include "ribs/CalculateRibs.h"
#include "session/AirfoilChoices.h"
#include "ui/common/EditingDialog.h"

#include <array>
#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableWidget;
class RibView;
class WingField;
struct RibSettingFault;
struct RibsReport;

struct SparControls {
    QLabel* caption = nullptr;
    WingField* positionField = nullptr;
    WingField* widthField = nullptr;
    WingField* depthField = nullptr;
    QComboBox* sideCombo = nullptr; // none, top, bottom, both
};

// The jig tabs and, beside them, the hot wire's kerf of the foam-core templates.
struct JigControls {
    QGroupBox* group = nullptr;
    QCheckBox* tabsCheck = nullptr;
    QLabel* heightCaption = nullptr;
    WingField* heightField = nullptr;
    QLabel* frontCaption = nullptr;
    WingField* frontField = nullptr;
    QLabel* rearCaption = nullptr;
    WingField* rearField = nullptr;
    QLabel* widthCaption = nullptr;
    WingField* widthField = nullptr;
    QLabel* sideCaption = nullptr;
    QComboBox* sideCombo = nullptr; // right side up, upside down
    QLabel* coreKerfCaption = nullptr;
    WingField* coreKerfField = nullptr;
};

struct RibsDialogControls {
    QGroupBox* airfoilsGroup = nullptr;
    std::array<QLabel*, kAirfoilStationCount> airfoilCaptions{};
    std::array<QComboBox*, kAirfoilStationCount> airfoilCombos{};

    QGroupBox* ribsGroup = nullptr;
    QLabel* spacingCaption = nullptr;
    WingField* spacingField = nullptr;
    QLabel* sheetingCaption = nullptr;
    WingField* sheetingField = nullptr;
    QLabel* leadingEdgeCutCaption = nullptr;
    WingField* leadingEdgeCutField = nullptr;
    QLabel* trailingEdgeCutCaption = nullptr;
    WingField* trailingEdgeCutField = nullptr;

    QGroupBox* sparsGroup = nullptr;
    std::array<QLabel*, 4> sparHeadings{}; // centre, width, depth, side
    std::array<SparControls, kSparCount> spars{};

    QGroupBox* twistGroup = nullptr;
    std::array<QLabel*, kPanelCount> twistCaptions{};
    std::array<WingField*, kPanelCount> twistFields{};

    JigControls jig;

    QGroupBox* listGroup = nullptr;
    QTableWidget* ribList = nullptr;
    QLabel* problemLabel = nullptr; // why the list is empty, when it is
    QGroupBox* drawingGroup = nullptr;
    RibView* ribView = nullptr;
    QLabel* ribCaption = nullptr; // what the drawing shows, in words

    EditingButtons buttons;
};

// Creates the controls in their layout, without texts, owned by the dialog.
RibsDialogControls buildRibsDialogControls(QDialog& dialog);

class RibsDialog : public EditingDialog {
    Q_OBJECT
public:
    // ribsChanged runs whenever the ribs may have changed, so the owner can redraw what shows
    // their stations.
    RibsDialog(const FeatureContext& context, std::function<void()> ribsChanged);

    const RibsDialogControls& controls() const { return c_; }

    // Sets every text and accessible name in the current language.
    void translate();
    // The values as typed go to the session; a value out of range is named in a message and
    // its field gets the focus.
    void calculate();

private:
    void connectControls();
    void removeRibs();
    void showDefinition();
    void showAirfoilChoices();
    void chooseAirfoil(int station, int index);
    void importAirfoil(int station, const std::string& path);
    // The settings as typed, or the one out of range.
    // A value in millimetres (or a plain one) as the field shows it, and the field's value.
    QString shownValue(const WingField* field, double value) const;
    double typedValue(const WingField* field, std::optional<double> current) const;
    RibSettings typedSettings() const;
    std::optional<RibSettingFault> applyTypedSettings();
    QString settingMessage(const RibSettingFault& fault) const;
    void showJigTabs(const JigTabSettings& jig, double coreKerf);
    // The tabs' values wait, greyed, while there are no tabs.
    void enableJigTabs(bool enabled);
    // What the label under the list says, "" when nothing is wrong.
    QString showRibs();
    void showRibRow(int row, const Rib& rib);
    void showSelectedRib();
    QWidget* fieldOf(const RibSettingFault& fault) const;
    void nameControls();
    void translateJigTabs();

    std::function<void()> ribsChanged_;
    RibsDialogControls c_;
    std::array<std::vector<AirfoilChoice>, kAirfoilStationCount> choices_;
    std::vector<Rib> ribs_;       // as the list shows them
    bool showingSession_ = false; // controls are being set from the session, not by the user
};
