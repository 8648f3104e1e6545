// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/stability/StabilityDialog.h"

#include "calc/DisplayUnits.h"
#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"
#include "files/StabilityFile.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"
#include "session/StabilityMessages.h"
#include "session/UnitTexts.h"
#include "session/WingSession.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/common/SessionFieldLink.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/Prompter.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The efficiencies of the tail positions, in the order of the choice; the last entry of the
// choice is any other value typed into the field.
constexpr std::array<double, 4> kPositionEfficiencies{kUsualTailEfficiency, 0.80,
                                                      kEarlierTailEfficiency, 1.00};
constexpr std::array<TextKey, 5> kPositionTexts{kTailOnFuselage, kTailOnFin, kTailMostlyClear,
                                                kTailOnTop, kOtherEfficiency};
constexpr int kOtherPosition = 4;

constexpr std::array<TextKey, 4> kTailRowCaptions{kRootChordCaption, kTipChordCaption,
                                                  kPanelLengthCaption, kSweepOffsetCaption};
constexpr std::array<WingInput, 4> kTailRowInputs{WingInput::RootChord, WingInput::TipChord,
                                                  WingInput::PanelLength, WingInput::SweepOffset};

// The result pattern writes a value of -5 as "- 5.00", its literal blank after the sign: the sign
// goes to the digits, where nobody can miss it.
QString signedResult(std::string text) {
    if (text.starts_with("- "))
        text.replace(0, 2, " -");
    return fromUtf8(text);
}

QString resultText(double value, const std::string& separator) {
    return signedResult(formatResult(value, separator));
}

QString percentText(double value, const std::string& separator) {
    return resultText(value, separator) + QStringLiteral(" %");
}

} // namespace

StabilityDialog::StabilityDialog(const FeatureContext& context,
                                 std::function<void()> stabilityChanged)
    : EditingDialog(context,
                    [this, atOpening = context.session.stability()] {
                        context_.session.stability() = atOpening;
                        stabilityChanged_();
                    })
    , stabilityChanged_(std::move(stabilityChanged))
    , c_(buildStabilityDialogControls(*this)) {
    followSessionUnits(*this, context_.session);
    connectControls();
    translate();
    showFields();
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
    connect(c_.withTailChoice, &QRadioButton::clicked, this, [this] { chooseLayout(true); });
    connect(c_.noTailChoice, &QRadioButton::clicked, this, [this] { chooseLayout(false); });
    const auto rows = panelRows();
    constexpr std::array<PanelField, 4> kRowFields{PanelField::RootChord, PanelField::TipChord,
                                                   PanelField::PanelLength,
                                                   PanelField::SweepOffset};
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            connectField((*rows[row])[panel],
                         [this, field = kRowFields[row], panel](const std::string& text) {
                             context_.session.stability().setPanelText(field, panel, text);
                         });
    }
    connectField(c_.distanceField, [this](const std::string& text) {
        context_.session.stability().setDistanceText(text);
    });
    connectField(c_.efficiencyField, [this](const std::string& text) {
        context_.session.stability().setEfficiencyText(text);
    });
    connectField(c_.marginField, [this](const std::string& text) {
        context_.session.stability().setMarginText(text);
    });
    connect(c_.positionCombo, &QComboBox::activated, this, &StabilityDialog::pickPosition);
    connect(c_.buttons.calculate, &QPushButton::clicked, this, &StabilityDialog::calculate);
    connectEditingButtons(
        c_.buttons, [this] { return removeQuestion(); }, [this] { removeStability(); });
}

// Every change goes to the session; the chained root chords come back from it.
void StabilityDialog::connectField(WingField* field,
                                   std::function<void(const std::string&)> forward) {
    linkFieldToSession(
        field, this, showingSession_, std::move(forward), [this] { showEdit(); },
        [this] { calculate(); });
}

void StabilityDialog::chooseLayout(bool hasTail) {
    context_.session.stability().setHasTail(hasTail);
    showEdit();
}

void StabilityDialog::pickPosition(int index) {
    if (index < 0 || index >= static_cast<int>(kPositionEfficiencies.size())) {
        c_.efficiencyField->setFocus(Qt::OtherFocusReason);
        return;
    }
    c_.efficiencyField->setText(fromUtf8(
        efficiencyText(kPositionEfficiencies[index], context_.session.decimalSeparator())));
}

void StabilityDialog::showEdit() {
    showFields();
    showCurrentResults();
    stabilityChanged_();
}

// Only fields whose text differs are set, so the one being typed in keeps its cursor.
void StabilityDialog::showFields() {
    const StabilityFields& fields = context_.session.stability().fields();
    showingSession_ = true;
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
    showLayout();
    showPosition();
}

// Until a tail or a flying wing is chosen nothing else can be typed, so no data exist that would
// silently be a flying wing's. A flying wing has no tail to describe; the margin applies to both.
void StabilityDialog::showLayout() {
    const bool chosen = context_.session.stability().exists();
    const bool hasTail = chosen && context_.session.stability().fields().hasTail;
    // An exclusive group keeps one button checked; with none chosen both must be clear.
    c_.layoutChoice->setExclusive(chosen);
    c_.withTailChoice->setChecked(hasTail);
    c_.noTailChoice->setChecked(chosen && !hasTail);
    c_.layoutChoice->setExclusive(true);
    c_.tailGroup->setEnabled(hasTail);
    for (QWidget* control : std::initializer_list<QWidget*>{
             c_.distanceCaption, c_.distanceField, c_.distanceUnit, c_.positionCaption,
             c_.positionCombo, c_.efficiencyCaption, c_.efficiencyField})
        control->setEnabled(hasTail);
    for (QWidget* control : std::initializer_list<QWidget*>{c_.marginCaption, c_.marginField,
                                                            c_.marginUnit, c_.buttons.remove})
        control->setEnabled(chosen);
}

// The choice names the tail position whose efficiency is typed, else "other value".
void StabilityDialog::showPosition() {
    const double typed = parseNumber(context_.session.stability().fields().efficiency,
                                     context_.session.decimalSeparator());
    int position = kOtherPosition;
    for (std::size_t i = 0; i < kPositionEfficiencies.size(); ++i) {
        if (std::abs(typed - kPositionEfficiencies[i]) < 1e-9)
            position = static_cast<int>(i);
    }
    c_.positionCombo->setCurrentIndex(position);
}

void StabilityDialog::calculate() {
    const StabilityReport report = context_.session.calculateStability();
    if (report.outcome == StabilityOutcome::Ok)
        showResults(report.results);
    else
        clearResults();
    stabilityChanged_();
    if (report.outcome != StabilityOutcome::Ok)
        tell(context_, fromUtf8(stabilityMessage(report, context_.language.lookup())),
             kExclamationMessage);
}

// A wing not saved yet has no name: the question then names the pattern, NAME.stab.
QString StabilityDialog::removeQuestion() const {
    const std::string wingName =
        context_.session.fileName().empty() ? "NAME.txt" : context_.session.fileName();
    return fromUtf8(
        fillIn(context_.language.text(kRemoveStabilityQuestion), {stabilityFilePath(wingName)}));
}

void StabilityDialog::removeStability() {
    context_.session.stability().remove();
    showEdit();
}

void StabilityDialog::showCurrentResults() {
    if (const std::optional<StabilityResults> results = context_.session.stabilityResults())
        showResults(*results);
    else
        clearResults();
}

void StabilityDialog::showResults(const StabilityResults& r) {
    const std::string& separator = context_.session.decimalSeparator();
    const DisplayUnits units = context_.session.displayUnits();
    const auto number = [&separator](double value) {
        return resultText(value, separator);
    };
    const auto length = [&separator, &units](double mm) {
        return signedResult(units.lengthResult(mm, separator));
    };
    clearResults();
    if (r.hasTail) {
        c_.tailArea.value->setText(signedResult(units.areaResult(r.tail.area, separator)));
        c_.tailMeanChord.value->setText(length(r.tail.meanChord));
        c_.tailAspectRatio.value->setText(number(r.tail.aspectRatio));
        c_.tailArm.value->setText(length(r.tailArm));
        c_.tailVolume.value->setText(number(r.tailVolume));
    }
    c_.neutralPoint.value->setText(length(r.neutralPoint));
    c_.neutralPoint.percentValue->setText(percentText(r.neutralPointPercent, separator));
    c_.balanceForMargin.value->setText(length(r.balanceForMargin));
    c_.balanceForMargin.percentValue->setText(percentText(r.balanceForMarginPercent, separator));
    c_.marginAtBalance.value->setText(percentText(r.marginAtBalance, separator));
    showAsWarning(c_.marginAtBalance.value, r.marginAtBalance < 0);
    c_.warningLabel->setText(fromUtf8(stabilityWarning(r, context_.language.lookup())));
    nameResults();
}

void StabilityDialog::clearResults() {
    for (const StabilityResultRow* row : resultRows()) {
        row->value->clear();
        if (row->percentValue)
            row->percentValue->clear();
    }
    showAsWarning(c_.marginAtBalance.value, false);
    c_.warningLabel->clear();
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
    const TextLookup text = context_.language.lookup();
    const auto rows = panelRows();
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            (*rows[row])[panel]->setAccessibleName(
                fromUtf8(tailFieldName({kTailRowInputs[row], panel}, text)));
    }
    const auto caption = [&text](TextKey key, const std::string& unit = {}) {
        return fromUtf8(withoutColon(text(key)) + unit);
    };
    c_.distanceField->setAccessibleName(
        caption(kTailDistanceCaption, ", " + context_.session.displayUnits().lengthWord()));
    c_.positionCombo->setAccessibleName(caption(kTailPositionCaption));
    c_.efficiencyField->setAccessibleName(caption(kEfficiencyCaption));
    c_.marginField->setAccessibleName(caption(kMarginCaption, ", %"));
}

void StabilityDialog::translate() {
    setWindowTitle(plainWindowTitle(uiText(context_.language, kStabilityTitle)));
    translateInputs();
    nameFields();
    translateResults();
    showCurrentResults(); // the warnings are words of the language too

    c_.helpGroup->setTitle(uiText(context_.language, kStabilityHelpTitle));
    QStringList help;
    for (const TextKey& line : kStabilityHelpLines)
        help << uiText(context_.language, line);
    c_.helpText->setPlainText(help.join(QStringLiteral("\n\n")));
    c_.helpText->setAccessibleName(c_.helpGroup->title());

    translateEditingButtons(c_.buttons,
                            {kRemoveStabilityButton, kRemoveStabilityTip, kStabilityCancelButton});
    setTip(c_.buttons.calculate, uiText(context_.language, kStabilityCalculateTip));
}

void StabilityDialog::translateInputs() {
    const auto text = [this](TextKey key) {
        return uiText(context_.language, key);
    };
    c_.withTailChoice->setText(text(kWithTailChoice));
    c_.noTailChoice->setText(text(kNoTailCheck));
    const UnitChoice units = context_.session.units();
    c_.tailGroup->setTitle(text(inChosenUnits(kTailGroupTitle, units)));
    const QString panel = text(kPanelCaption);
    for (int i = 0; i < kPanelCount; ++i)
        c_.panelCaptions[i]->setText(panel + QStringLiteral(" %1").arg(i + 1));
    for (std::size_t row = 0; row < kTailRowCaptions.size(); ++row)
        c_.rowCaptions[row]->setText(text(kTailRowCaptions[row]));
    setTip(c_.rowCaptions[3], text(inChosenUnits(kTailSweepTip, units)));

    c_.distanceCaption->setText(text(kTailDistanceCaption));
    setTip(c_.distanceCaption, text(inChosenUnits(kTailDistanceTip, units)));
    c_.distanceUnit->setText(fromUtf8(context_.session.displayUnits().lengthWord()));
    c_.positionCaption->setText(text(kTailPositionCaption));
    for (int i = 0; i < static_cast<int>(kPositionTexts.size()); ++i)
        c_.positionCombo->setItemText(i, text(kPositionTexts[i]));
    c_.efficiencyCaption->setText(text(kEfficiencyCaption));
    setTip(c_.efficiencyCaption, text(kEfficiencyTip));
    c_.marginCaption->setText(text(kMarginCaption));
    setTip(c_.marginCaption, text(kMarginTip));
}

void StabilityDialog::translateResults() {
    const auto text = [this](TextKey key) {
        return uiText(context_.language, key);
    };
    c_.resultsGroup->setTitle(text(kResultsTitle));
    c_.tailArea.caption->setText(text(kTailAreaCaption));
    c_.tailMeanChord.caption->setText(text(kTailMeanChordCaption));
    c_.tailAspectRatio.caption->setText(text(kTailAspectRatioCaption));
    c_.tailArm.caption->setText(text(kTailArmCaption));
    setTip(c_.tailArm.caption, text(kTailArmTip));
    c_.tailVolume.caption->setText(text(kTailVolumeCaption));
    c_.neutralPoint.caption->setText(text(kNeutralPointCaption));
    setTip(c_.neutralPoint.caption, text(kNeutralPointTip));
    c_.balanceForMargin.caption->setText(text(kBalanceForMarginCaption));
    setTip(c_.balanceForMargin.caption, text(kBalanceForMarginTip));
    c_.marginAtBalance.caption->setText(text(kMarginAtBalanceCaption));
    setTip(c_.marginAtBalance.caption, text(kMarginAtBalanceTip));
}
