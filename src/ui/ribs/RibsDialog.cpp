// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ribs/RibsDialog.h"

#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"
#include "draw/DrawRib.h"
#include "files/AirfoilFile.h"
#include "files/AirfoilFolder.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"
#include "session/RibsMessages.h"
#include "session/UnitTexts.h"
#include "session/WingSession.h"
#include "ui/common/FeatureContext.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PathText.h"
#include "ui/common/PlainText.h"
#include "ui/common/SessionFieldLink.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/Prompter.h"
#include "ui/ribs/RibView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTableWidget>
#include <algorithm>

namespace {

constexpr std::array<TextKey, 4> kSideTexts{kNoSparChoice, kTopSideChoice, kBottomSideChoice,
                                            kBothSidesChoice};
constexpr std::array<TextKey, 8> kColumnTexts{
    kRibPanelColumn, kRibNumberColumn,   kRibStationColumn, kRibChordColumn,
    kRibTwistColumn, kRibAirfoilsColumn, kRibBlendColumn,   kRibProblemsColumn};
// Longer airfoil names are cut in the chooser and the list, whole in their tooltips.
constexpr qsizetype kLongestShownName = 24;

QString withSeparator(std::string text, const std::string& separator) {
    if (const std::size_t point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, separator);
    return fromUtf8(text);
}

// A setting as the field shows it: the shortest text that reads back the same.
QString fieldText(double value, const std::string& separator) {
    return withSeparator(shortestNumber(value), separator);
}

QString fixed(double value, int decimals, const std::string& separator) {
    return fromUtf8(formatFixed(value, decimals, separator));
}

// The drawing shows every rib at one scale: the one that fits the largest.
Box2D wingFrame(const std::vector<Rib>& ribs) {
    Box2D frame{};
    for (const Rib& rib : ribs) {
        const Box2D box = ribFrame(rib);
        frame = {std::min(frame.minX, box.minX), std::min(frame.minY, box.minY),
                 std::max(frame.maxX, box.maxX), std::max(frame.maxY, box.maxY)};
    }
    return frame;
}

QString shownName(const QString& name) {
    return name.size() <= kLongestShownName ? name
                                            : name.left(kLongestShownName - 1) + QChar(0x2026);
}

} // namespace

RibsDialog::RibsDialog(const FeatureContext& context, std::function<void()> ribsChanged)
    : EditingDialog(context,
                    [this, atOpening = context.session.ribs()] {
                        context_.session.ribs() = atOpening;
                        ribsChanged_();
                    })
    , ribsChanged_(std::move(ribsChanged))
    , c_(buildRibsDialogControls(*this)) {
    followSessionUnits(*this, context_.session);
    connectControls();
    showDefinition();
    translate();
}

void RibsDialog::connectControls() {
    const auto typed = [this] {
        if (showingSession_)
            return;
        applyTypedSettings();
        showRibs();
    };
    std::vector<WingField*> fields{c_.spacingField, c_.sheetingField, c_.leadingEdgeCutField,
                                   c_.trailingEdgeCutField};
    for (const SparControls& spar : c_.spars) {
        fields.insert(fields.end(), {spar.positionField, spar.widthField, spar.depthField});
        connect(spar.sideCombo, &QComboBox::activated, this, typed);
    }
    fields.insert(fields.end(), c_.twistFields.begin(), c_.twistFields.end());
    const JigControls& jig = c_.jig;
    fields.insert(fields.end(), {jig.heightField, jig.frontField, jig.rearField, jig.widthField,
                                 jig.coreKerfField});
    connect(jig.tabsCheck, &QCheckBox::toggled, this, &RibsDialog::enableJigTabs);
    connect(jig.tabsCheck, &QCheckBox::toggled, this, typed);
    connect(jig.sideCombo, &QComboBox::activated, this, typed);
    for (WingField* field : fields) {
        connect(field, &QLineEdit::textChanged, this, typed);
        connect(field, &WingField::enterPressed, this, &RibsDialog::calculate);
    }
    for (int station = 0; station < kAirfoilStationCount; ++station)
        connect(c_.airfoilCombos[station], &QComboBox::activated, this,
                [this, station](int index) { chooseAirfoil(station, index); });
    connect(c_.ribList, &QTableWidget::itemSelectionChanged, this, &RibsDialog::showSelectedRib);
    connect(c_.buttons.calculate, &QPushButton::clicked, this, &RibsDialog::calculate);
    connectEditingButtons(
        c_.buttons, [this] { return uiText(context_.language, kRemoveRibsQuestion); },
        [this] { removeRibs(); });
}

// Panels beyond the wing's last have no tip to choose for and no washout.
void RibsDialog::showDefinition() {
    const RibSettings& s = context_.session.ribs().definition().settings;
    showingSession_ = true;
    const auto show = [this](WingField* field, std::optional<double> value) {
        field->setText(value ? shownValue(field, *value) : QString());
    };
    show(c_.spacingField, s.spacing);
    show(c_.sheetingField, s.sheeting);
    show(c_.leadingEdgeCutField, s.leadingEdgeCut);
    show(c_.trailingEdgeCutField, s.trailingEdgeCut);
    for (int i = 0; i < kSparCount; ++i) {
        const std::optional<SparNotch>& spar = s.spars[i];
        const SparControls& row = c_.spars[i];
        show(row.positionField, spar ? std::optional(spar->positionPercent) : std::nullopt);
        show(row.widthField, spar ? std::optional(spar->width) : std::nullopt);
        show(row.depthField, spar ? std::optional(spar->depth) : std::nullopt);
        row.sideCombo->setCurrentIndex(spar ? static_cast<int>(spar->side) + 1 : 0);
    }
    const bool known = context_.session.hasValidResults();
    for (int panel = 0; panel < kPanelCount; ++panel) {
        show(c_.twistFields[panel], s.twist[panel]);
        const bool used = !known || panel <= context_.session.planform().lastPanel;
        c_.twistFields[panel]->setEnabled(used);
        c_.twistCaptions[panel]->setEnabled(used);
        c_.airfoilCombos[panel + 1]->setEnabled(used);
        c_.airfoilCaptions[panel + 1]->setEnabled(used);
    }
    showJigTabs(s.jig, s.coreKerf);
    showingSession_ = false;
}

void RibsDialog::showJigTabs(const JigTabSettings& tabs, double coreKerf) {
    const JigControls& jig = c_.jig;
    jig.tabsCheck->setChecked(tabs.enabled);
    jig.heightField->setText(shownValue(jig.heightField, tabs.height));
    jig.frontField->setText(shownValue(jig.frontField, tabs.frontPercent));
    jig.rearField->setText(shownValue(jig.rearField, tabs.rearPercent));
    jig.widthField->setText(shownValue(jig.widthField, tabs.width));
    jig.sideCombo->setCurrentIndex(static_cast<int>(tabs.side));
    jig.coreKerfField->setText(shownValue(jig.coreKerfField, coreKerf));
    enableJigTabs(tabs.enabled);
}

void RibsDialog::enableJigTabs(bool enabled) {
    const JigControls& jig = c_.jig;
    for (QWidget* control : std::initializer_list<QWidget*>{
             jig.heightCaption, jig.heightField, jig.frontCaption, jig.frontField, jig.rearCaption,
             jig.rearField, jig.widthCaption, jig.widthField, jig.sideCaption, jig.sideCombo})
        control->setEnabled(enabled);
}

void RibsDialog::showAirfoilChoices() {
    const RibsDefinition& definition = context_.session.ribs().definition();
    const std::vector<NamedFile> folderFiles = listAirfoilFiles(context_.language.places());
    const bool wasShowing = showingSession_;
    showingSession_ = true;
    for (int station = 0; station < kAirfoilStationCount; ++station) {
        choices_[station] = airfoilChoices(definition, station, folderFiles);
        QComboBox* combo = c_.airfoilCombos[station];
        combo->clear();
        for (const AirfoilChoice& choice : choices_[station]) {
            QString text;
            switch (choice.kind) {
            case AirfoilChoiceKind::Inward:
                text = uiText(context_.language, kSameAirfoilChoice);
                break;
            case AirfoilChoiceKind::Named:
                text = fromUtf8(choice.name);
                break;
            case AirfoilChoiceKind::FolderFile:
                text = fromUtf8(choice.name) + QString::fromLatin1(kAirfoilFileExtension.data());
                break;
            case AirfoilChoiceKind::ImportFile:
                text = uiText(context_.language, kImportAirfoilChoice);
                break;
            }
            combo->addItem(shownName(text));
            combo->setItemData(combo->count() - 1, text, Qt::ToolTipRole);
        }
        combo->setCurrentIndex(static_cast<int>(
            chosenAirfoil(choices_[station], definition.stationAirfoils[station])));
    }
    showingSession_ = wasShowing;
}

void RibsDialog::chooseAirfoil(int station, int index) {
    if (index < 0 || index >= static_cast<int>(choices_[station].size()))
        return;
    const AirfoilChoice choice = choices_[station][index];
    switch (choice.kind) {
    case AirfoilChoiceKind::Inward:
    case AirfoilChoiceKind::Named:
        context_.session.ribs().setStationAirfoil(station, choice.name);
        break;
    case AirfoilChoiceKind::FolderFile:
        importAirfoil(station, choice.path);
        break;
    case AirfoilChoiceKind::ImportFile: {
        // Before any file was opened, the user's airfoil folder when there is one.
        const QString folder = dialogFolder(context_, [this] {
            const QString airfoils = pathText(airfoilFolder(context_.language.places()));
            return QFileInfo(airfoils).isDir() ? airfoils : QDir::homePath();
        });
        const QString path = context_.prompter.openFileName(
            {uiText(context_.language, kImportAirfoilTitle),
             uiText(context_.language, kAirfoilFileType) + QStringLiteral(" (*.dat *.DAT)"),
             folder,
             {},
             {}});
        if (path.isEmpty())
            break;
        rememberFolderOf(context_, path);
        importAirfoil(station, pathBytes(path));
        break;
    }
    }
    showAirfoilChoices();
    showRibs();
}

void RibsDialog::importAirfoil(int station, const std::string& path) {
    const AirfoilImport imported = context_.session.ribs().importAirfoil(path);
    const QString message = fromUtf8(airfoilImportMessage(imported, pathText(path).toStdString(),
                                                          context_.session.decimalSeparator(),
                                                          context_.language.lookup()));
    if (imported.name.empty()) {
        tell(context_, message, kExclamationMessage);
        return;
    }
    context_.session.ribs().setStationAirfoil(station, imported.name);
    context_.prompter.messageBox(message, kInformationMessage,
                                 uiText(context_.language, kImportAirfoilTitle));
}

QString RibsDialog::shownValue(const WingField* field, double value) const {
    return field->shownText(fieldText(value, context_.session.decimalSeparator()).toStdString());
}

// A field still showing the wing's value keeps it to the last digit: inches are shown rounded,
// and reading them back would change a wing nobody edited.
double RibsDialog::typedValue(const WingField* field, std::optional<double> current) const {
    if (current && field->text() == shownValue(field, *current))
        return *current;
    return parseNumber(field->storedText(), context_.session.decimalSeparator());
}

RibSettings RibsDialog::typedSettings() const {
    const RibSettings& now = context_.session.ribs().definition().settings;
    RibSettings s;
    s.spacing = typedValue(c_.spacingField, now.spacing);
    s.sheeting = typedValue(c_.sheetingField, now.sheeting);
    s.leadingEdgeCut = typedValue(c_.leadingEdgeCutField, now.leadingEdgeCut);
    s.trailingEdgeCut = typedValue(c_.trailingEdgeCutField, now.trailingEdgeCut);
    for (int i = 0; i < kSparCount; ++i) {
        const SparControls& row = c_.spars[i];
        const std::optional<SparNotch>& spar = now.spars[i];
        const auto value = [&](const WingField* field, double SparNotch::*member) {
            return typedValue(field, spar ? std::optional(*spar.*member) : std::nullopt);
        };
        if (row.sideCombo->currentIndex() > 0)
            s.spars[i] = SparNotch{value(row.positionField, &SparNotch::positionPercent),
                                   value(row.widthField, &SparNotch::width),
                                   value(row.depthField, &SparNotch::depth),
                                   static_cast<NotchSide>(row.sideCombo->currentIndex() - 1)};
    }
    for (int panel = 0; panel < kPanelCount; ++panel)
        s.twist[panel] = typedValue(c_.twistFields[panel], now.twist[panel]);
    const JigControls& jig = c_.jig;
    const JigTabSettings& jigNow = now.jig;
    s.jig = {jig.tabsCheck->isChecked(),
             typedValue(jig.heightField, jigNow.height),
             typedValue(jig.frontField, jigNow.frontPercent),
             typedValue(jig.rearField, jigNow.rearPercent),
             typedValue(jig.widthField, jigNow.width),
             static_cast<BuildingSide>(jig.sideCombo->currentIndex())};
    s.coreKerf = typedValue(jig.coreKerfField, now.coreKerf);
    return s;
}

// Settings in range become the wing's as they are typed; one out of range waits.
std::optional<RibSettingFault> RibsDialog::applyTypedSettings() {
    const RibSettings settings = typedSettings();
    std::optional<RibSettingFault> fault = checkRibSettings(settings);
    if (!fault)
        context_.session.ribs().setSettings(settings);
    return fault;
}

QString RibsDialog::settingMessage(const RibSettingFault& fault) const {
    return fromUtf8(ribsMessage({RibsOutcome::SettingOutOfRange, {}, fault, {}},
                                context_.language.lookup(), context_.session.units()));
}

void RibsDialog::calculate() {
    const std::optional<RibSettingFault> fault = applyTypedSettings();
    const QString problem = showRibs();
    if (problem.isEmpty())
        return;
    tell(context_, problem, kExclamationMessage);
    if (fault)
        fieldOf(*fault)->setFocus(Qt::OtherFocusReason);
}

void RibsDialog::removeRibs() {
    context_.session.ribs().remove();
    showDefinition();
    showAirfoilChoices();
    showRibs();
}

QWidget* RibsDialog::fieldOf(const RibSettingFault& fault) const {
    const SparControls& spar = c_.spars[static_cast<std::size_t>(fault.index) % kSparCount];
    switch (fault.setting) {
    case RibSetting::Spacing:
        return c_.spacingField;
    case RibSetting::Sheeting:
        return c_.sheetingField;
    case RibSetting::LeadingEdgeCut:
        return c_.leadingEdgeCutField;
    case RibSetting::TrailingEdgeCut:
        return c_.trailingEdgeCutField;
    case RibSetting::SparPosition:
        return spar.positionField;
    case RibSetting::SparWidth:
        return spar.widthField;
    case RibSetting::SparDepth:
        return spar.depthField;
    case RibSetting::JigHeight:
        return c_.jig.heightField;
    case RibSetting::JigFront:
        return c_.jig.frontField;
    case RibSetting::JigRear:
        return c_.jig.rearField;
    case RibSetting::JigWidth:
        return c_.jig.widthField;
    case RibSetting::CoreKerf:
        return c_.jig.coreKerfField;
    case RibSetting::Twist:
        break;
    }
    return c_.twistFields[static_cast<std::size_t>(fault.index) % kPanelCount];
}

// The list keeps the selected row where it can; under it, why it is empty or a value waits.
QString RibsDialog::showRibs() {
    const TextLookup text = context_.language.lookup();
    const int selected = std::max(0, c_.ribList->currentRow());
    RibsReport report = context_.session.calculateRibs();
    QString problem = fromUtf8(ribsMessage(report, text, context_.session.units()));
    if (const std::optional<RibSettingFault> fault = checkRibSettings(typedSettings()))
        problem = settingMessage(*fault);
    ribs_ = std::move(report.ribs);
    c_.ribList->setRowCount(static_cast<int>(ribs_.size()));
    for (std::size_t i = 0; i < ribs_.size(); ++i)
        showRibRow(static_cast<int>(i), ribs_[i]);
    c_.ribList->resizeColumnsToContents();
    c_.problemLabel->setText(problem);
    c_.problemLabel->setVisible(!problem.isEmpty());
    if (!ribs_.empty())
        c_.ribList->selectRow(std::min(selected, static_cast<int>(ribs_.size()) - 1));
    showSelectedRib();
    ribsChanged_();
    return problem;
}

void RibsDialog::showRibRow(int row, const Rib& rib) {
    const std::string& separator = context_.session.decimalSeparator();
    const DisplayUnits units = context_.session.displayUnits();
    const QString arrow = QStringLiteral(" \u2192 ");
    const QString inner = fromUtf8(rib.innerAirfoil);
    const QString outer = fromUtf8(rib.outerAirfoil);
    const QString airfoils = inner == outer ? inner : inner + arrow + outer;
    const QString shownAirfoils =
        inner == outer ? shownName(inner) : shownName(inner) + arrow + shownName(outer);
    const QString cells[] = {QString::number(rib.panel + 1),
                             QString::number(rib.number),
                             fixed(units.length(rib.station), units.lengthDecimals(1), separator),
                             fixed(units.length(rib.chord), units.lengthDecimals(1), separator),
                             fixed(rib.twist, 2, separator),
                             shownAirfoils,
                             fixed(rib.blend, 2, separator),
                             fromUtf8(ribProblemsText(rib.problems, context_.language.lookup()))};
    for (int column = 0; column < static_cast<int>(std::size(cells)); ++column) {
        auto* item = new QTableWidgetItem(cells[column]);
        item->setTextAlignment(column == 5 || column == 7 ? Qt::AlignLeft | Qt::AlignVCenter
                                                          : Qt::AlignRight | Qt::AlignVCenter);
        if (!rib.problems.empty())
            item->setForeground(Qt::darkRed);
        c_.ribList->setItem(row, column, item);
    }
    c_.ribList->item(row, 5)->setToolTip(airfoils);
}

void RibsDialog::showSelectedRib() {
    const int row = c_.ribList->currentRow();
    if (row < 0 || row >= static_cast<int>(ribs_.size())) {
        c_.ribView->erase();
        c_.ribCaption->clear();
        c_.ribView->setAccessibleDescription(QString());
        return;
    }
    const Rib& rib = ribs_[static_cast<std::size_t>(row)];
    const std::string& separator = context_.session.decimalSeparator();
    const DisplayUnits units = context_.session.displayUnits();
    const auto length = [&](double mm, int millimetreDecimals) {
        return fixed(mm, units.lengthDecimals(millimetreDecimals), separator).toStdString();
    };
    const TextLookup text = context_.language.lookup();
    const std::string problems = ribProblemsText(rib.problems, text);
    const QString caption = fromUtf8(fillIn(
        text(inChosenUnits(kRibDrawingDescription, units.choice())),
        {rib.label, length(units.length(rib.chord), 1), length(units.length(rib.maxThickness), 1),
         length(units.area(rib.area), 0), problems.empty() ? text(kRibWhole) : problems}));
    c_.ribView->showRib(rib, wingFrame(ribs_));
    c_.ribCaption->setText(caption);
    c_.ribView->setAccessibleDescription(caption);
}

// Fields are named by their captions and units, as the stability window's are.
void RibsDialog::nameControls() {
    const TextLookup text = context_.language.lookup();
    const auto named = [](const QLabel* caption, const std::string& unit = {}) {
        return fromUtf8(withoutColon(caption->text().toStdString()) + unit);
    };
    const std::string length = ", " + context_.session.displayUnits().lengthWord();
    c_.spacingField->setAccessibleName(named(c_.spacingCaption, length));
    c_.sheetingField->setAccessibleName(named(c_.sheetingCaption, length));
    c_.leadingEdgeCutField->setAccessibleName(named(c_.leadingEdgeCutCaption, length));
    c_.trailingEdgeCutField->setAccessibleName(named(c_.trailingEdgeCutCaption, length));
    for (const SparControls& spar : c_.spars) {
        const QString sparName = named(spar.caption) + QStringLiteral(", ");
        spar.positionField->setAccessibleName(sparName + c_.sparHeadings[0]->text());
        spar.widthField->setAccessibleName(sparName + c_.sparHeadings[1]->text());
        spar.depthField->setAccessibleName(sparName + c_.sparHeadings[2]->text());
    }
    for (int panel = 0; panel < kPanelCount; ++panel)
        c_.twistFields[panel]->setAccessibleName(fromUtf8(
            fillIn(text(kPanelFieldName), {text(kTwistGroupTitle), std::to_string(panel + 1)})));
    const JigControls& jig = c_.jig;
    for (const auto& [caption, field] : {std::pair{jig.heightCaption, jig.heightField},
                                         {jig.frontCaption, jig.frontField},
                                         {jig.rearCaption, jig.rearField},
                                         {jig.widthCaption, jig.widthField},
                                         {jig.coreKerfCaption, jig.coreKerfField}})
        field->setAccessibleName(named(caption));
    c_.ribList->setAccessibleName(uiText(context_.language, kRibListName));
    c_.ribView->setAccessibleName(uiText(context_.language, kRibDrawingName));
}

void RibsDialog::translateJigTabs() {
    const auto text = [this](TextKey key) {
        return uiText(context_.language, inChosenUnits(key, context_.session.units()));
    };
    const JigControls& jig = c_.jig;
    jig.group->setTitle(text(kJigGroupTitle));
    jig.tabsCheck->setText(text(kJigTabsCheck));
    jig.tabsCheck->setToolTip(plainToolTip(text(kJigTabsTip)));
    jig.heightCaption->setText(text(kJigHeightCaption));
    jig.frontCaption->setText(text(kJigFrontCaption));
    jig.rearCaption->setText(text(kJigRearCaption));
    jig.widthCaption->setText(text(kJigWidthCaption));
    jig.sideCaption->setText(text(kJigSideCaption));
    jig.sideCombo->setItemText(0, text(kRightSideUpChoice));
    jig.sideCombo->setItemText(1, text(kUpsideDownChoice));
    jig.coreKerfCaption->setText(text(kCoreKerfCaption));
    jig.coreKerfCaption->setToolTip(plainToolTip(text(kCoreKerfTip)));
}

void RibsDialog::translate() {
    const auto text = [this](TextKey key) {
        return uiText(context_.language, inChosenUnits(key, context_.session.units()));
    };
    setWindowTitle(plainWindowTitle(text(kRibsTitle)));
    c_.airfoilsGroup->setTitle(text(kAirfoilsGroupTitle));
    c_.airfoilCaptions[0]->setText(text(kRootAirfoilCaption));
    for (int panel = 0; panel < kPanelCount; ++panel)
        c_.airfoilCaptions[panel + 1]->setText(text(kTipAirfoilCaption).arg(panel + 1));
    showAirfoilChoices();

    c_.ribsGroup->setTitle(text(kRibsGroupTitle));
    c_.spacingCaption->setText(text(kSpacingCaption));
    c_.spacingCaption->setToolTip(plainToolTip(text(kSpacingTip)));
    c_.sheetingCaption->setText(text(kSheetingCaption));
    c_.sheetingCaption->setToolTip(plainToolTip(text(kSheetingTip)));
    c_.leadingEdgeCutCaption->setText(text(kLeadingEdgeCutCaption));
    c_.leadingEdgeCutCaption->setToolTip(plainToolTip(text(kLeadingEdgeCutTip)));
    c_.trailingEdgeCutCaption->setText(text(kTrailingEdgeCutCaption));
    c_.trailingEdgeCutCaption->setToolTip(plainToolTip(text(kTrailingEdgeCutTip)));

    c_.sparsGroup->setTitle(text(kSparsGroupTitle));
    const std::array<TextKey, 4> headings{kSparPositionCaption, kSparWidthCaption,
                                          kSparDepthCaption, kSparSideCaption};
    for (std::size_t i = 0; i < headings.size(); ++i)
        c_.sparHeadings[i]->setText(text(headings[i]));
    for (int i = 0; i < kSparCount; ++i) {
        c_.spars[i].caption->setText(text(kSparCaption).arg(i + 1));
        for (int side = 0; side < static_cast<int>(kSideTexts.size()); ++side)
            c_.spars[i].sideCombo->setItemText(side, text(kSideTexts[side]));
    }
    c_.twistGroup->setTitle(text(kTwistGroupTitle));
    for (int panel = 0; panel < kPanelCount; ++panel)
        c_.twistCaptions[panel]->setText(text(kPanelCaption) +
                                         QStringLiteral(" %1").arg(panel + 1));

    translateJigTabs();
    c_.listGroup->setTitle(text(kRibListTitle));
    QStringList columns;
    for (const TextKey& column : kColumnTexts)
        columns << text(column);
    c_.ribList->setHorizontalHeaderLabels(columns);
    c_.drawingGroup->setTitle(text(kRibDrawingTitle));
    translateEditingButtons(c_.buttons, {kRemoveRibsButton, kRemoveRibsTip, kRibsCancelButton});
    nameControls();
    showRibs();
}
