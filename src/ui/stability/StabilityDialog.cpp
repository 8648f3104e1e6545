// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stability/StabilityDialog.h"

#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"
#include "calc/ResultTexts.h"
#include "i18n/TextKeys.h"
#include "session/AccessibleTexts.h"
#include "session/StabilityMessages.h"
#include "session/WingSession.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/common/SessionFieldLink.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/Prompter.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

// The efficiencies of the three tail positions, in the order of the choice; the last entry of
// the choice is any other value typed into the field.
constexpr std::array<double, 3> kPositionEfficiencies{0.90, 0.95, 1.00};
constexpr std::array<TextKey, 4> kPositionTexts{kTailOnFuselage, kTailOnFin, kTailOnTop,
                                                kOtherEfficiency};
constexpr int kOtherPosition = 3;

constexpr std::array<TextKey, 4> kTailRowCaptions{kRootChordCaption, kTipChordCaption,
                                                  kPanelLengthCaption, kSweepOffsetCaption};
constexpr std::array<WingInput, 4> kTailRowInputs{WingInput::RootChord, WingInput::TipChord,
                                                  WingInput::PanelLength, WingInput::SweepOffset};

QString percentText(double value, const std::string& separator) {
    return fromUtf8(formatResult(value, separator)) + QStringLiteral(" %");
}

QString lengthText(double value, const std::string& separator) {
    return fromUtf8(formatResult(value, separator) + std::string(kLengthUnit));
}

} // namespace

StabilityDialog::StabilityDialog(QWidget* owner, Prompter& prompter, const LanguageState& language,
                                 WingSession& session, std::function<void()> stabilityChanged)
    : QDialog(owner)
    , prompter_(prompter)
    , language_(language)
    , session_(session)
    , stabilityChanged_(std::move(stabilityChanged))
    , c_(buildStabilityDialogControls(*this)) {
    connectControls();
    translate();
    showFields();
    showCurrentResults();
}

// The tail grid's rows, root chord to sweep, in the order of kTailRowCaptions.
std::array<const StabilityPanelFields*, 4> StabilityDialog::panelRows() const {
    return {&c_.rootChordFields, &c_.tipChordFields, &c_.panelLengthFields, &c_.sweepOffsetFields};
}

std::array<const StabilityResultRow*, 8> StabilityDialog::resultRows() const {
    return {&c_.tailArea,   &c_.tailMeanChord, &c_.tailAspectRatio,  &c_.tailArm,
            &c_.tailVolume, &c_.neutralPoint,  &c_.balanceForMargin, &c_.marginAtBalance};
}

void StabilityDialog::connectControls() {
    connect(c_.noTailCheck, &QCheckBox::toggled, this, [this](bool noTail) {
        if (showingSession_)
            return;
        session_.stability().setHasTail(!noTail);
        showTailEnabled();
    });
    const auto rows = panelRows();
    constexpr std::array<PanelField, 4> kRowFields{PanelField::RootChord, PanelField::TipChord,
                                                   PanelField::PanelLength,
                                                   PanelField::SweepOffset};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            connectField((*rows[row])[panel],
                         [this, field = kRowFields[row], panel](const std::string& text) {
                             session_.stability().setPanelText(field, panel, text);
                         });
    }
    connectField(c_.distanceField,
                 [this](const std::string& text) { session_.stability().setDistanceText(text); });
    connectField(c_.efficiencyField,
                 [this](const std::string& text) { session_.stability().setEfficiencyText(text); });
    connectField(c_.marginField,
                 [this](const std::string& text) { session_.stability().setMarginText(text); });
    connect(c_.positionCombo, &QComboBox::activated, this, &StabilityDialog::pickPosition);
    connect(c_.calculateButton, &QPushButton::clicked, this, &StabilityDialog::calculate);
    connect(c_.removeButton, &QPushButton::clicked, this, &StabilityDialog::removeStability);
    connect(c_.okButton, &QPushButton::clicked, this, &QDialog::accept);
}

// Every change goes to the session; the chained root chords come back from it.
void StabilityDialog::connectField(WingField* field,
                                   std::function<void(const std::string&)> forward) {
    linkFieldToSession(
        field, this, showingSession_, std::move(forward), [this] { showFields(); },
        [this] { calculate(); });
}

void StabilityDialog::pickPosition(int index) {
    if (index < 0 || index >= static_cast<int>(kPositionEfficiencies.size())) {
        c_.efficiencyField->setFocus(Qt::OtherFocusReason);
        return;
    }
    c_.efficiencyField->setText(
        fromUtf8(efficiencyText(kPositionEfficiencies[index], session_.decimalSeparator())));
}

// Only fields whose text differs are set, so the one being typed in keeps its cursor.
void StabilityDialog::showFields() {
    const StabilityFields& fields = session_.stability().fields();
    showingSession_ = true;
    c_.noTailCheck->setChecked(!fields.hasTail);
    for (int panel = 0; panel < kPanelCount; ++panel) {
        showSessionText(c_.rootChordFields[panel], fields.tail.rootChord[panel]);
        showSessionText(c_.tipChordFields[panel], fields.tail.tipChord[panel]);
        showSessionText(c_.panelLengthFields[panel], fields.tail.panelLength[panel]);
        showSessionText(c_.sweepOffsetFields[panel], fields.tail.sweepOffset[panel]);
    }
    showSessionText(c_.distanceField, fields.distance);
    showSessionText(c_.efficiencyField, fields.efficiency);
    showSessionText(c_.marginField, fields.margin);
    showingSession_ = false;
    showTailEnabled();
    showPosition();
}

// A flying wing has no tail to describe; the margin applies to both.
void StabilityDialog::showTailEnabled() {
    const bool hasTail = session_.stability().fields().hasTail;
    c_.tailGroup->setEnabled(hasTail);
    for (QWidget* control : std::initializer_list<QWidget*>{
             c_.distanceCaption, c_.distanceField, c_.distanceUnit, c_.positionCaption,
             c_.positionCombo, c_.efficiencyCaption, c_.efficiencyField})
        control->setEnabled(hasTail);
}

// The choice names the tail position whose efficiency is typed, else "other value".
void StabilityDialog::showPosition() {
    const double typed =
        parseNumber(session_.stability().fields().efficiency, session_.decimalSeparator());
    int position = kOtherPosition;
    for (std::size_t i = 0; i < kPositionEfficiencies.size(); ++i) {
        if (std::abs(typed - kPositionEfficiencies[i]) < 1e-9)
            position = static_cast<int>(i);
    }
    c_.positionCombo->setCurrentIndex(position);
}

void StabilityDialog::calculate() {
    session_.stability().keep();
    const StabilityReport report = session_.calculateStability();
    if (report.outcome == StabilityOutcome::Ok)
        showResults(report.results);
    else
        clearResults();
    stabilityChanged_();
    if (report.outcome != StabilityOutcome::Ok)
        prompter_.messageBox(fromUtf8(stabilityMessage(report, language_.lookup())),
                             kExclamationMessage, uiText(language_, kProgramCaption));
}

void StabilityDialog::removeStability() {
    session_.stability().remove();
    showFields();
    clearResults();
    stabilityChanged_();
}

void StabilityDialog::showCurrentResults() {
    if (const std::optional<StabilityResults> results = session_.stabilityResults())
        showResults(*results);
    else
        clearResults();
}

void StabilityDialog::showResults(const StabilityResults& r) {
    const std::string& separator = session_.decimalSeparator();
    const auto number = [&separator](double value) {
        return fromUtf8(formatResult(value, separator));
    };
    clearResults();
    if (r.hasTail) {
        c_.tailArea.value->setText(
            fromUtf8(formatResult(r.tail.area, separator) + std::string(kAreaUnit)));
        c_.tailMeanChord.value->setText(lengthText(r.tail.meanChord, separator));
        c_.tailAspectRatio.value->setText(number(r.tail.aspectRatio));
        c_.tailArm.value->setText(lengthText(r.tailArm, separator));
        c_.tailVolume.value->setText(number(r.tailVolume));
    }
    c_.neutralPoint.value->setText(lengthText(r.neutralPoint, separator));
    c_.neutralPoint.percentValue->setText(percentText(r.neutralPointPercent, separator));
    c_.balanceForMargin.value->setText(lengthText(r.balanceForMargin, separator));
    c_.balanceForMargin.percentValue->setText(percentText(r.balanceForMarginPercent, separator));
    c_.marginAtBalance.value->setText(percentText(r.marginAtBalance, separator));
    nameResults();
}

void StabilityDialog::clearResults() {
    for (const StabilityResultRow* row : resultRows()) {
        row->value->clear();
        if (row->percentValue)
            row->percentValue->clear();
    }
    nameResults();
}

// Each value is announced with its caption, the % of a place after its millimetres.
void StabilityDialog::nameResults() {
    const auto name = [](QLabel* value, const QLabel* caption) {
        value->setAccessibleName(
            fromUtf8(resultName(caption->text().toStdString(), value->text().toStdString())));
    };
    for (const StabilityResultRow* row : resultRows()) {
        name(row->value, row->caption);
        if (row->percentValue)
            name(row->percentValue, row->caption);
    }
}

// The tail's fields are named as its messages name them; the others by caption and unit.
void StabilityDialog::nameFields() {
    const TextLookup text = language_.lookup();
    const auto rows = panelRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            (*rows[row])[panel]->setAccessibleName(
                fromUtf8(tailFieldName({kTailRowInputs[row], panel}, text)));
    }
    const auto caption = [&text](TextKey key, std::string_view unit = {}) {
        return fromUtf8(withoutColon(text(key)) + std::string(unit));
    };
    c_.distanceField->setAccessibleName(caption(kTailDistanceCaption, ", mm"));
    c_.positionCombo->setAccessibleName(caption(kTailPositionCaption));
    c_.efficiencyField->setAccessibleName(caption(kEfficiencyCaption));
    c_.marginField->setAccessibleName(caption(kMarginCaption, ", %"));
}

void StabilityDialog::translate() {
    const auto text = [this](TextKey key) {
        return uiText(language_, key);
    };
    setWindowTitle(plainWindowTitle(text(kStabilityTitle)));
    c_.noTailCheck->setText(text(kNoTailCheck));
    c_.tailGroup->setTitle(text(kTailGroupTitle));
    const QString panel = text(kPanelCaption);
    for (int i = 0; i < kPanelCount; ++i)
        c_.panelCaptions[i]->setText(panel + QStringLiteral(" %1").arg(i + 1));
    for (std::size_t row = 0; row < kTailRowCaptions.size(); ++row)
        c_.rowCaptions[row]->setText(text(kTailRowCaptions[row]));
    c_.rowCaptions[3]->setToolTip(plainToolTip(text(kSweepOffsetTip)));

    c_.distanceCaption->setText(text(kTailDistanceCaption));
    c_.distanceCaption->setToolTip(plainToolTip(text(kTailDistanceTip)));
    c_.positionCaption->setText(text(kTailPositionCaption));
    for (int i = 0; i < static_cast<int>(kPositionTexts.size()); ++i)
        c_.positionCombo->setItemText(i, text(kPositionTexts[i]));
    c_.efficiencyCaption->setText(text(kEfficiencyCaption));
    c_.efficiencyCaption->setToolTip(plainToolTip(text(kEfficiencyTip)));
    c_.marginCaption->setText(text(kMarginCaption));
    c_.marginCaption->setToolTip(plainToolTip(text(kMarginTip)));
    nameFields();

    c_.resultsGroup->setTitle(text(kResultsTitle));
    c_.tailArea.caption->setText(text(kTailAreaCaption));
    c_.tailMeanChord.caption->setText(text(kTailMeanChordCaption));
    c_.tailAspectRatio.caption->setText(text(kTailAspectRatioCaption));
    c_.tailArm.caption->setText(text(kTailArmCaption));
    c_.tailArm.caption->setToolTip(plainToolTip(text(kTailArmTip)));
    c_.tailVolume.caption->setText(text(kTailVolumeCaption));
    c_.neutralPoint.caption->setText(text(kNeutralPointCaption));
    c_.neutralPoint.caption->setToolTip(plainToolTip(text(kNeutralPointTip)));
    c_.balanceForMargin.caption->setText(text(kBalanceForMarginCaption));
    c_.balanceForMargin.caption->setToolTip(plainToolTip(text(kBalanceForMarginTip)));
    c_.marginAtBalance.caption->setText(text(kMarginAtBalanceCaption));
    c_.marginAtBalance.caption->setToolTip(plainToolTip(text(kMarginAtBalanceTip)));
    nameResults();

    c_.helpGroup->setTitle(text(kStabilityHelpTitle));
    QStringList help;
    for (const TextKey& line : kStabilityHelpLines)
        help << text(line);
    c_.helpLabel->setText(help.join(u'\n'));
    c_.helpLabel->setAccessibleName(c_.helpGroup->title());

    c_.calculateButton->setText(text(kCalculateButton));
    c_.calculateButton->setToolTip(plainToolTip(text(kCalculateTip)));
    c_.removeButton->setText(text(kRemoveStabilityButton));
    c_.removeButton->setToolTip(plainToolTip(text(kRemoveStabilityTip)));
    c_.okButton->setText(text(kOkButton));
}
