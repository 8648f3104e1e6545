// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/MainWindow.h"

#include "i18n/TextKeys.h"
#include "print/SystemLocale.h"
#include "session/OutcomeMessages.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PathText.h"
#include "ui/common/PlainText.h"
#include "ui/common/SessionFieldLink.h"
#include "ui/common/WingField.h"
#include "ui/dialogs/LanguageDialog.h"
#include "ui/dialogs/Prompter.h"
#include "ui/fullsize/FullSizeActions.h"
#include "ui/main/AccessibleNames.h"
#include "ui/main/PlanformPreview.h"
#include "ui/main/TranslateMainWindow.h"
#include "ui/main/WingFileDrops.h"
#include "ui/ribs/RibsActions.h"
#include "ui/stability/StabilityActions.h"
#include "ui/templates/TemplateActions.h"
#include "ui/units/UnitsActions.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QPushButton>

MainWindow::MainWindow(Prompter& prompter, LanguageState& language)
    : prompter_(prompter)
    , language_(language)
    , session_(systemDecimalSeparator(), language.lookup())
    , choices_{QString(), RememberedChoices(language)}
    , context_{*this, prompter, language, session_, choices_}
    , c_(buildMainWindowControls(*this))
    , fullSize_(new FullSizeActions(context_, *c_.fileMenu, c_.quitSeparator))
    , units_(new UnitsActions(context_, c_.helpMenu->menuAction(), [this] { translate(); }))
    , stability_(
          new StabilityActions(context_, c_.helpMenu->menuAction(), [this] { redrawPreview(); }))
    , ribs_(new RibsActions(context_, c_.helpMenu->menuAction(), [this] { redrawPreview(); }))
    , templates_(new TemplateActions(context_, *c_.fileMenu, c_.quitSeparator, [this] {
        return fullSize_->bothHalvesAction()->isChecked();
    })) {
    // The window keeps the size of its form; the preview is drawn to that size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    connectControls();
    new WingFileDrops(*this, [this](const std::string& path) { openWingFileAt(path); });
}

void MainWindow::connectControls() {
    connect(c_.calculateButton, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(c_.clearButton, &QPushButton::clicked, this, &MainWindow::clearForm);
    connect(c_.printButton, &QPushButton::clicked, this, &MainWindow::printSheet);
    connect(c_.openAction, &QAction::triggered, this, &MainWindow::openWingFile);
    connect(c_.saveAsAction, &QAction::triggered, this, &MainWindow::saveWingFileAs);
    connect(c_.printAction, &QAction::triggered, this, &MainWindow::printSheet);
    connect(c_.printPreviewAction, &QAction::triggered, this, &MainWindow::printPreview);
    connect(c_.quitAction, &QAction::triggered, this, &MainWindow::quit);
    connect(c_.languageAction, &QAction::triggered, this, &MainWindow::chooseLanguage);
    connect(c_.helpAction, &QAction::triggered, this, &MainWindow::showHelp);
    connect(c_.aboutAction, &QAction::triggered, this, &MainWindow::showAbout);

    struct PanelRow {
        const PanelFields& fields;
        PanelField field;
    };
    const PanelRow rows[] = {
        {c_.rootChordFields, PanelField::RootChord},
        {c_.tipChordFields, PanelField::TipChord},
        {c_.panelLengthFields, PanelField::PanelLength},
        {c_.sweepOffsetFields, PanelField::SweepOffset},
    };
    for (const PanelRow& row : rows) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            connectField(row.fields[panel],
                         [this, field = row.field, panel](const std::string& text) {
                             session_.setPanelText(field, panel, text);
                         });
    }
    connectField(c_.balanceField,
                 [this](const std::string& text) { session_.setBalanceText(text); });
    connectField(c_.massField, [this](const std::string& text) { session_.setMassText(text); });
    // Only a root-chord field can prove the window accepts focus requests.
    connect(c_.rootChordFields[0], &WingField::gotFocus, this,
            [this] { rootChordHadFocus_ = true; });
}

// Every change of a field goes to the session; the chained root chords come back from it.
void MainWindow::connectField(WingField* field, std::function<void(const std::string&)> forward) {
    linkFieldToSession(
        field, this, showingSession_, std::move(forward), [this] { showFields(); },
        [this] { calculate(); });
}

bool MainWindow::start() {
    if (!startLanguage())
        return false;
    rootChordHadFocus_ = false;
    clearForm();
    return true;
}

void MainWindow::focusFirstField() {
    c_.rootChordFields[0]->setFocus(Qt::ActiveWindowFocusReason);
}

// The units' words are the language's too: the fields and results are shown again in them.
void MainWindow::translate() {
    ::translateMainWindow(c_, language_, session_.units());
    qtTexts_.follow(language_.text(kQtLocale));
    showTitle();
    fullSize_->translate();
    units_->translate();
    stability_->translate();
    ribs_->translate();
    templates_->translate();
    followSessionUnits(*this, session_);
    showFields();
    showResultTexts();
    nameControls();
}

void MainWindow::nameControls() {
    nameMainWindowControls(c_, language_.lookup(), session_.displayUnits(),
                           session_.decimalSeparator());
}

void MainWindow::showFields() {
    const WingFields& fields = session_.fields();
    showingSession_ = true;
    for (int i = 0; i < kPanelCount; ++i) {
        showSessionText(c_.rootChordFields[i], fields.rootChord[i]);
        showSessionText(c_.tipChordFields[i], fields.tipChord[i]);
        showSessionText(c_.panelLengthFields[i], fields.panelLength[i]);
        showSessionText(c_.sweepOffsetFields[i], fields.sweepOffset[i]);
    }
    showSessionText(c_.balanceField, fields.balancePercent);
    showSessionText(c_.massField, fields.mass);
    showingSession_ = false;
}

void MainWindow::showResults() {
    shownWing_ = ShownWing{session_.planform(), session_.results()};
    showResultTexts();
    selectRootChord();
    redrawPreview();
}

void MainWindow::showResultTexts() {
    if (!shownWing_)
        return;
    const ResultTexts texts = makeResultTexts(shownWing_->planform, shownWing_->results,
                                              session_.decimalSeparator(), session_.displayUnits());
    c_.spanValue->setText(QString::fromStdString(texts.span));
    c_.areaValue->setText(QString::fromStdString(texts.area));
    c_.aspectRatioValue->setText(QString::fromStdString(texts.aspectRatio));
    c_.meanChordStationValue->setText(QString::fromStdString(texts.meanChordStation));
    c_.balanceDistanceValue->setText(QString::fromStdString(texts.balanceDistance));
    c_.meanChordValue->setText(QString::fromStdString(texts.meanChord));
    c_.wingLoadingValue->setText(QString::fromStdString(texts.wingLoading));
}

// The preview shows the last valid wing; the neutral-point tick, and what a screen reader hears of
// it, follow the stability data as they are now.
void MainWindow::redrawPreview() {
    if (session_.hasValidResults())
        c_.preview->drawPreview(session_.planform(), session_.results(), session_.neutralPoint(),
                                session_.ribStations());
    nameControls();
}

void MainWindow::clearResults() {
    shownWing_.reset();
    for (QLabel* result : {c_.spanValue, c_.areaValue, c_.aspectRatioValue,
                           c_.meanChordStationValue, c_.meanChordValue, c_.balanceDistanceValue})
        result->clear();
    c_.preview->erase();
    c_.wingLoadingValue->clear();
    nameControls();
}

// A refused wing keeps the results and the drawing of the last good one on show.
void MainWindow::calculate() {
    const CalcReport report = session_.calculate();
    if (report.outcome != CalcOutcome::Ok)
        return showCalculationMessage(report);
    showResults();
}

// The cursor then waits in the field to mend, its text selected.
void MainWindow::showCalculationMessage(const CalcReport& report) {
    const QString text =
        fromUtf8(calculationMessage(report, language_.lookup())); // before the title
    tell(context_, text, kExclamationMessage);
    if (const std::optional<InputField> field = fieldAtFault(report)) {
        WingField* shown = fieldFor(c_, *field);
        shown->setFocus(Qt::OtherFocusReason);
        shown->selectAll();
    }
}

void MainWindow::selectRootChord() {
    c_.rootChordFields[0]->setSelection(0, static_cast<int>(c_.rootChordFields[0]->text().size()));
    if (rootChordHadFocus_)
        c_.rootChordFields[0]->setFocus(Qt::OtherFocusReason);
}

void MainWindow::clearForm() {
    session_.clear();
    showClearedForm();
}

// What Clear shows of the session: its fields, no results, no drawing, the program's caption.
void MainWindow::showClearedForm() {
    showFields();
    clearResults();
    titleNamesFile_ = false;
    showTitle();
    selectRootChord();
}

void MainWindow::showTitle() {
    QString title = uiText(language_, kProgramCaption);
    if (titleNamesFile_)
        title += QStringLiteral(" - ") + uiText(language_, kWingFileType) + QStringLiteral(" : ") +
                 pathText(session_.fileName());
    setWindowTitle(plainWindowTitle(title));
}

void MainWindow::quit() {
    close();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->setAccepted(mayDiscardChanges());
}

// Save runs Save as; the program ends only when the wing was saved.
bool MainWindow::mayDiscardChanges() {
    if (!session_.hasUnsavedChanges())
        return true;
    switch (prompter_.messageBox(uiText(language_, kUnsavedChangesMessage), kSaveDiscardQuestion,
                                 uiText(language_, kProgramCaption))) {
    case MessageAnswer::Save:
        return saveWingFileAs();
    case MessageAnswer::Discard:
        return true;
    case MessageAnswer::Ok:
    case MessageAnswer::Cancel:
    case MessageAnswer::Retry:
        break;
    }
    return false;
}

void MainWindow::chooseLanguage() {
    LanguageDialog chooser(this, language_, [this] { translate(); });
    prompter_.runModal(chooser);
}
