#include "ui/frmMain.h"

#include "ui/LanguageText.h"
#include "ui/PlanPreview.h"
#include "ui/Prompter.h"
#include "calc/ResultTexts.h"
#include "print/SystemLocale.h"
#include "ui/TranslateMainWindow.h"
#include "ui/WingField.h"
#include "ui/lang.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLayout>
#include <QPushButton>

frmMain::frmMain(Prompter& prompter)
    : prompter_(prompter)
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

    for (WingField* tip : c_.C_min)
        connect(tip, &QLineEdit::textChanged, this, &frmMain::C_min_Change);
    // Only a root-chord field can prove the window accepts focus requests.
    connect(c_.C_max[0], &WingField::gotFocus, this, [this] { rootChordFocused_ = 1; });

    QList<WingField*> fields{c_.Cg, c_.masse};
    for (const PanelFields* row : {&c_.C_max, &c_.C_min, &c_.L_trap, &c_.deport})
        fields.append(QList<WingField*>(row->begin(), row->end()));
    for (WingField* field : fields)
        connect(field, &WingField::enterPressed, this, &frmMain::cmdCalcul_Click);
}

bool frmMain::Form_Load() {
    if (!StartLanguage())
        return false;
    rootChordFocused_ = 0;
    calcValid_ = 0;
    areaUnit = FromUtf8(kAreaUnit);
    lengthUnit = FromUtf8(kLengthUnit);
    cmdClear_Click();
    return true;
}

void frmMain::FocusFirstField() {
    c_.C_max[0]->setFocus(Qt::ActiveWindowFocusReason);
}

void frmMain::TranslateMainWindow() {
    ::TranslateMainWindow(*this, c_);
}

WingFields frmMain::ReadFields() const {
    WingFields fields;
    for (int i = 0; i < kPanelCount; ++i) {
        fields.C_max[i] = c_.C_max[i]->text().toStdString();
        fields.C_min[i] = c_.C_min[i]->text().toStdString();
        fields.L_trap[i] = c_.L_trap[i]->text().toStdString();
        fields.deport[i] = c_.deport[i]->text().toStdString();
    }
    fields.Cg = c_.Cg->text().toStdString();
    fields.masse = c_.masse->text().toStdString();
    return fields;
}

void frmMain::ShowFields(const WingFields& fields) {
    chaining_ = false;
    for (int i = 0; i < kPanelCount; ++i) {
        c_.C_max[i]->setText(QString::fromStdString(fields.C_max[i]));
        c_.C_min[i]->setText(QString::fromStdString(fields.C_min[i]));
        c_.L_trap[i]->setText(QString::fromStdString(fields.L_trap[i]));
        c_.deport[i]->setText(QString::fromStdString(fields.deport[i]));
    }
    c_.Cg->setText(QString::fromStdString(fields.Cg));
    c_.masse->setText(QString::fromStdString(fields.masse));
    chaining_ = true;
}

void frmMain::C_min_Change() {
    if (!chaining_)
        return;
    for (int i = 1; i < kPanelCount; ++i)
        c_.C_max[i]->setText(c_.C_min[i - 1]->text());
}

void frmMain::cmdCalcul_Click() {
    calcValid_ = 1;
    const CalcReport report =
        CalculateWing(ReadFields(), SystemDecimalSeparator(), planform_, results_);
    if (report.outcome == CalcOutcome::PanelError)
        return ShowPanelError();
    if (report.outcome == CalcOutcome::BalanceError)
        return ShowBalanceError();
    if (report.outcome == CalcOutcome::ArithmeticFailure)
        return ShowValidationMessage(ValidationMessageKey(report));

    const ResultTexts texts = MakeResultTexts(planform_, results_, SystemDecimalSeparator());
    c_.Lbenv->setText(QString::fromStdString(texts.Lbenv));
    c_.Lbsurf->setText(QString::fromStdString(texts.Lbsurf));
    c_.Lballong->setText(QString::fromStdString(texts.Lballong));
    c_.Lbdist_x->setText(QString::fromStdString(texts.Lbdist_x));
    c_.Lbdistcentr->setText(QString::fromStdString(texts.Lbdistcentr));
    c_.Lbcmoy->setText(QString::fromStdString(texts.Lbcmoy));
    SelectRootChord();
    c_.LbafficheCA->setText(QString::fromStdString(texts.LbafficheCA));
    c_.plan->DrawPlanform(planform_, results_);
}

void frmMain::ShowPanelError() {
    ShowValidationMessage("1");
}

void frmMain::ShowBalanceError() {
    ShowValidationMessage("2");
}

void frmMain::ShowValidationMessage(std::string_view key) {
    const QString text = Text("Message", key); // looked up before the title
    prompter_.messageBox(text, MessageStyle::Exclamation, Text("Label", "0"));
    calcValid_ = 0;
}

void frmMain::SelectRootChord() {
    c_.C_max[0]->setSelection(0, static_cast<int>(c_.C_max[0]->text().size()));
    if (rootChordFocused_)
        c_.C_max[0]->setFocus(Qt::OtherFocusReason);
}

void frmMain::cmdClear_Click() {
    calcValid_ = 0;
    for (int i = 0; i < kPanelCount; ++i) {
        c_.C_max[i]->clear();
        c_.C_min[i]->clear();
        c_.L_trap[i]->clear();
        c_.deport[i]->clear();
    }
    c_.Cg->setText(QStringLiteral("30"));
    for (QLabel* result :
         {c_.Lbenv, c_.Lbsurf, c_.Lballong, c_.Lbdist_x, c_.Lbcmoy, c_.Lbdistcentr})
        result->clear();
    c_.plan->erase();
    c_.LbafficheCA->clear();
    c_.masse->clear();
    setWindowTitle(Text("Label", "0"));
    SelectRootChord();
}

void frmMain::cmdprint_Click() {
    mnufileprint_Click();
}

void frmMain::mnufilequit_Click() {
    QApplication::quit();
}

void frmMain::mnulang_Click() {
    lang chooser(this, [this] { TranslateMainWindow(); });
    prompter_.runModal(chooser);
}
