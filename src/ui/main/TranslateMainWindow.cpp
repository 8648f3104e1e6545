// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/TranslateMainWindow.h"

#include "i18n/TextKeys.h"
#include "session/UnitTexts.h"
#include "ui/common/LanguageText.h"
#include "ui/common/PlainText.h"
#include "ui/main/MainWindowControls.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

void translateMainWindow(MainWindowControls& c, const LanguageState& language, UnitChoice units) {
    c.fileMenu->setTitle(uiText(language, kFileMenu));
    c.openAction->setText(uiText(language, kOpenAction));
    c.saveAsAction->setText(uiText(language, kSaveAsAction));
    c.printAction->setText(uiText(language, kPrintAction));
    c.printPreviewAction->setText(uiText(language, kPrintPreviewAction));
    c.quitAction->setText(uiText(language, kQuitAction));
    c.languageAction->setText(uiText(language, kLanguageAction));
    c.helpMenu->setTitle(uiText(language, kHelpMenu));
    c.helpAction->setText(uiText(language, kHelpAction));
    c.aboutAction->setText(uiText(language, kAboutAction));

    c.rootChordCaption->setText(uiText(language, kRootChordCaption));
    c.tipChordCaption->setText(uiText(language, kTipChordCaption));
    c.panelLengthCaption->setText(uiText(language, kPanelLengthCaption));
    c.sweepOffsetCaption->setText(uiText(language, kSweepOffsetCaption));
    c.sweepOffsetCaption->setToolTip(
        plainToolTip(uiText(language, inChosenUnits(kSweepOffsetTip, units))));
    c.balanceCaption->setText(uiText(language, kBalanceCaption));
    c.balanceCaption->setToolTip(plainToolTip(uiText(language, kBalanceTip)));
    c.spanCaption->setText(uiText(language, kSpanCaption));
    c.spanCaption->setToolTip(plainToolTip(uiText(language, kSpanTip)));
    c.areaCaption->setText(uiText(language, kAreaCaption));
    c.aspectRatioCaption->setText(uiText(language, kAspectRatioCaption));
    c.meanChordStationCaption->setText(uiText(language, kMeanChordStationCaption));
    c.meanChordStationCaption->setToolTip(plainToolTip(uiText(language, kMeanChordStationTip)));
    c.meanChordCaption->setText(uiText(language, kMeanChordCaption));
    c.balanceDistanceCaption->setText(uiText(language, kBalanceDistanceCaption));
    c.balanceDistanceCaption->setToolTip(plainToolTip(uiText(language, kBalanceDistanceTip)));
    c.massCaption->setText(uiText(language, kMassCaption) + QStringLiteral(" : "));
    c.gramsCaption->setText(fromUtf8(DisplayUnits(units, unitWords(language.lookup())).massWord()));
    c.wingLoadingCaption->setText(uiText(language, kWingLoadingCaption) + QStringLiteral(" : "));
    for (int i = 0; i < 5; ++i)
        c.panelCaptions[i]->setText(uiText(language, kPanelCaption) +
                                    QStringLiteral(" %1").arg(i + 1));
    c.inputsGroup->setTitle(uiText(language, inChosenUnits(kInputsTitle, units)));
    c.resultsGroup->setTitle(uiText(language, kResultsTitle));

    c.calculateButton->setText(uiText(language, kCalculateButton));
    c.calculateButton->setToolTip(plainToolTip(uiText(language, kCalculateTip)));
    c.clearButton->setText(uiText(language, kClearButton));
    c.printButton->setText(uiText(language, kPrintButton));
}
