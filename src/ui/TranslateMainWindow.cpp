#include "ui/TranslateMainWindow.h"

#include "i18n/TextKeys.h"
#include "ui/LanguageText.h"
#include "ui/MainWindowControls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>

void TranslateMainWindow(QMainWindow& frmMain, MainWindowControls& c,
                         const LanguageState& language) {
    c.mnufile->setTitle(Text(language, kFileMenu));
    c.mnuopen->setText(Text(language, kOpenAction));
    c.mnusave->setText(Text(language, kSaveAsAction));
    c.mnufileprint->setText(Text(language, kPrintAction));
    c.mnufilequit->setText(Text(language, kQuitAction));
    c.mnulang->setText(Text(language, kLanguageAction));
    c.mnuaide->setTitle(Text(language, kHelpMenu));
    c.mnuhlp->setText(Text(language, kHelpAction));
    c.nmuabout->setText(Text(language, kAboutAction));
    frmMain.setWindowTitle(Text(language, kProgramCaption));

    c.Label1->setText(Text(language, kRootChordCaption));
    c.Label2->setText(Text(language, kTipChordCaption));
    c.Label3->setText(Text(language, kPanelLengthCaption));
    c.Label4->setText(Text(language, kSweepOffsetCaption));
    c.Label4->setToolTip(Text(language, kSweepOffsetTip));
    c.Label5->setText(Text(language, kBalanceCaption));
    c.Label5->setToolTip(Text(language, kBalanceTip));
    c.Label6->setText(Text(language, kSpanCaption));
    c.Label6->setToolTip(Text(language, kSpanTip));
    c.Label7->setText(Text(language, kAreaCaption));
    c.Label8->setText(Text(language, kAspectRatioCaption));
    c.Label9->setText(Text(language, kMeanChordStationCaption));
    c.Label9->setToolTip(Text(language, kMeanChordStationTip));
    c.Label10->setText(Text(language, kMeanChordCaption));
    c.Label11->setText(Text(language, kBalanceDistanceCaption));
    c.Label11->setToolTip(Text(language, kBalanceDistanceTip));
    c.Lbmasse->setText(Text(language, kMassCaption) + QStringLiteral(" : "));
    c.Lbca->setText(Text(language, kWingLoadingCaption) + QStringLiteral(" : "));
    for (int i = 0; i < 5; ++i)
        c.Trap[i]->setText(Text(language, kPanelCaption) + QStringLiteral(" %1").arg(i + 1));
    c.donnees->setTitle(Text(language, kInputsTitle));
    c.resultats->setTitle(Text(language, kResultsTitle));

    c.cmdCalcul->setText(Text(language, kCalculateButton));
    c.cmdCalcul->setToolTip(Text(language, kCalculateTip));
    c.cmdClear->setText(Text(language, kClearButton));
    c.cmdprint->setText(Text(language, kPrintButton));
}
