#include "ui/frmMain.h"

#include "i18n/TextKeys.h"
#include "print/SystemLocale.h"
#include "session/OutcomeMessages.h"
#include "ui/LanguageText.h"
#include "ui/PlanPreview.h"
#include "ui/Prompter.h"
#include "ui/TranslateMainWindow.h"
#include "ui/WingField.h"
#include "ui/lang.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

frmMain::frmMain(Prompter& prompter, LanguageState& language)
    : prompter_(prompter)
    , language_(language)
    , session_(SystemDecimalSeparator(), language.lookup())
    , c_(BuildMainWindowControls(*this)) {
    // The window keeps the size of its form; the preview is drawn to that size.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ConnectControls();
}

void frmMain::ConnectControls() {
    connect(c_.cmdCalcul, &QPushButton::clicked, this, &frmMain::cmdCalcul_Click);
    connect(c_.cmdClear, &QPushButton::clicked, this, &frmMain::cmdClear_Click);
    connect(c_.cmdprint, &QPushButton::clicked, this, &frmMain::cmdprint_Click);
    connect(c_.mnuopen, &QAction::triggered, this, &frmMain::mnuopen_Click);
    connect(c_.mnusave, &QAction::triggered, this, &frmMain::mnusave_Click);
    connect(c_.mnufileprint, &QAction::triggered, this, &frmMain::mnufileprint_Click);
    connect(c_.mnufilequit, &QAction::triggered, this, &frmMain::mnufilequit_Click);
    connect(c_.mnulang, &QAction::triggered, this, &frmMain::mnulang_Click);
    connect(c_.mnuhlp, &QAction::triggered, this, &frmMain::mnuhlp_Click);
    connect(c_.nmuabout, &QAction::triggered, this, &frmMain::nmuabout_Click);

    const std::pair<const PanelFields*, PanelField> rows[] = {
        {&c_.C_max, PanelField::RootChord},
        {&c_.C_min, PanelField::TipChord},
        {&c_.L_trap, PanelField::PanelLength},
        {&c_.deport, PanelField::SweepOffset},
    };
    for (const auto& [row, field] : rows) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            ConnectField((*row)[panel], [this, field, panel](const std::string& text) {
                session_.setPanelText(field, panel, text);
            });
    }
    ConnectField(c_.Cg, [this](const std::string& text) { session_.setBalanceText(text); });
    ConnectField(c_.masse, [this](const std::string& text) { session_.setMassText(text); });
    // Only a root-chord field can prove the window accepts focus requests.
    connect(c_.C_max[0], &WingField::gotFocus, this, [this] { rootChordFocused_ = 1; });
}

// Every change of a field goes to the session; the chained root chords come back from it.
void frmMain::ConnectField(WingField* field, std::function<void(const std::string&)> forward) {
    connect(field, &QLineEdit::textChanged, this,
            [this, forward = std::move(forward)](const QString& text) {
                if (showingSession_)
                    return;
                forward(text.toStdString());
                ShowFields();
            });
    connect(field, &WingField::enterPressed, this, &frmMain::cmdCalcul_Click);
}

bool frmMain::Form_Load() {
    if (!StartLanguage())
        return false;
    rootChordFocused_ = 0;
    cmdClear_Click();
    return true;
}

void frmMain::FocusFirstField() {
    c_.C_max[0]->setFocus(Qt::ActiveWindowFocusReason);
}

void frmMain::TranslateMainWindow() {
    ::TranslateMainWindow(*this, c_, language_);
}

// Only fields whose text differs are set, so the one being typed in keeps its cursor.
void frmMain::ShowFields() {
    const WingFields& fields = session_.fields();
    const auto show = [](WingField* field, const std::string& text) {
        const QString shown = QString::fromStdString(text);
        if (field->text() != shown)
            field->setText(shown);
    };
    showingSession_ = true;
    for (int i = 0; i < kPanelCount; ++i) {
        show(c_.C_max[i], fields.C_max[i]);
        show(c_.C_min[i], fields.C_min[i]);
        show(c_.L_trap[i], fields.L_trap[i]);
        show(c_.deport[i], fields.deport[i]);
    }
    show(c_.Cg, fields.Cg);
    show(c_.masse, fields.masse);
    showingSession_ = false;
}

void frmMain::ShowResults() {
    const ResultTexts texts = session_.resultTexts();
    c_.Lbenv->setText(QString::fromStdString(texts.Lbenv));
    c_.Lbsurf->setText(QString::fromStdString(texts.Lbsurf));
    c_.Lballong->setText(QString::fromStdString(texts.Lballong));
    c_.Lbdist_x->setText(QString::fromStdString(texts.Lbdist_x));
    c_.Lbdistcentr->setText(QString::fromStdString(texts.Lbdistcentr));
    c_.Lbcmoy->setText(QString::fromStdString(texts.Lbcmoy));
    SelectRootChord();
    c_.LbafficheCA->setText(QString::fromStdString(texts.LbafficheCA));
    c_.plan->DrawPlanform(session_.planform(), session_.results());
}

void frmMain::ClearResults() {
    for (QLabel* result :
         {c_.Lbenv, c_.Lbsurf, c_.Lballong, c_.Lbdist_x, c_.Lbcmoy, c_.Lbdistcentr})
        result->clear();
    c_.plan->erase();
    c_.LbafficheCA->clear();
}

// A refused wing keeps the results and the drawing of the last good one on show.
void frmMain::cmdCalcul_Click() {
    const CalcReport report = session_.calculate();
    if (report.outcome != CalcOutcome::Ok)
        return ShowCalculationMessage(report);
    ShowResults();
}

void frmMain::ShowCalculationMessage(const CalcReport& report) {
    const QString text =
        FromUtf8(calculationMessage(report, language_.lookup())); // before the title
    prompter_.messageBox(text, kExclamationMessage, Text(language_, kProgramCaption));
}

void frmMain::SelectRootChord() {
    c_.C_max[0]->setSelection(0, static_cast<int>(c_.C_max[0]->text().size()));
    if (rootChordFocused_)
        c_.C_max[0]->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdClear_Click() {
    session_.clear();
    ShowFields();
    ClearResults();
    setWindowTitle(Text(language_, kProgramCaption));
    SelectRootChord();
}

void frmMain::cmdprint_Click() {
    mnufileprint_Click();
}

void frmMain::mnufilequit_Click() {
    QApplication::quit();
}

void frmMain::mnulang_Click() {
    lang chooser(this, language_, [this] { TranslateMainWindow(); });
    prompter_.runModal(chooser);
}
