// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fullsize/FullSizeActions.h"

#include "dxf/OutlineDxf.h"
#include "i18n/TextKeys.h"
#include "print/ByteView.h"
#include "print/OutlineSvg.h"
#include "print/SystemLocale.h"
#include "session/FullSizeText.h"
#include "ui/common/LanguageText.h"
#include "ui/common/OutputFolder.h"
#include "ui/common/PathText.h"
#include "ui/dialogs/Prompter.h"
#include "ui/fullsize/FullSizePrint.h"

#include <QAction>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>

namespace {

enum class OutlineType { Dxf, Svg }; // in the order the export dialog offers them

} // namespace

FullSizeActions::FullSizeActions(const FeatureContext& context, QMenu& menu, QAction* before)
    : QObject(&context.window)
    , context_(context)
    , printFullSizeAction_(
          insertMenuAction(menu, before, QStringLiteral("Imprimer en &grandeur réelle…")))
    , exportOutlineAction_(insertMenuAction(menu, before, QStringLiteral("E&xporter le contour…")))
    , bothHalvesAction_(insertMenuAction(
          menu, before, QStringLiteral("Grandeur réelle : les &deux demi-ailes"))) {
    bothHalvesAction_->setCheckable(true);
    bothHalvesAction_->setChecked(context.choices.remembered.bothHalves());
    connect(printFullSizeAction_, &QAction::triggered, this,
            [this] { printFullSize(context_, bothHalves()); });
    connect(exportOutlineAction_, &QAction::triggered, this, &FullSizeActions::exportOutline);
    connect(bothHalvesAction_, &QAction::toggled, this,
            [this](bool checked) { context_.choices.remembered.setBothHalves(checked); });
}

void FullSizeActions::translate() {
    printFullSizeAction_->setText(uiText(context_.language, kPrintFullSizeAction));
    exportOutlineAction_->setText(uiText(context_.language, kExportOutlineAction));
    bothHalvesAction_->setText(uiText(context_.language, kBothHalvesAction));
}

bool FullSizeActions::bothHalves() const {
    return bothHalvesAction_->isChecked();
}

// The title goes into the outline's text block, as it goes on a printed sheet; the file is named
// after the wing file, or after the title for a wing never saved.
void FullSizeActions::exportOutline() {
    const LanguageState& language = context_.language;
    Prompter& prompter = context_.prompter;
    const WingSession& session = context_.session;
    const QString dialogTitle = uiText(language, kExportDialogTitle);
    if (!session.hasValidResults()) {
        prompter.messageBox(uiText(language, kExportNeedsCalculationMessage), kExclamationMessage,
                            dialogTitle);
        return;
    }
    context_.choices.printTitle = askSheetTitle(context_);
    const QString title = context_.choices.printTitle;
    if (title.isEmpty())
        return;
    const QStringList types{uiText(language, kDxfFileType) + QStringLiteral(" (*.dxf)"),
                            uiText(language, kSvgFileType) + QStringLiteral(" (*.svg)")};
    const QString name = session.fileName().empty()
                             ? title
                             : QFileInfo(pathText(session.fileName())).completeBaseName();
    const TypedFileChoice choice =
        prompter.saveFileNameOfType({dialogTitle,
                                     {},
                                     dialogFolder(context_, documentsFolder),
                                     fileNameFor(name, QStringLiteral(".dxf")),
                                     {}},
                                    types);
    if (choice.path.isEmpty())
        return;
    const auto figure =
        fullSizeFigureOf(session, {title.toStdString(), todaysShortDate(), bothHalves()});
    if (!figure) {
        tell(context_, uiText(language, kTooLargeMessage), kExclamationMessage);
        return;
    }
    std::string document;
    if (static_cast<OutlineType>(choice.typeIndex) == OutlineType::Svg) {
        const auto svg = outlineSvgDocument(*figure, title);
        if (!svg) {
            tell(context_, uiText(language, kPrintFailedMessage), kCriticalMessage);
            return;
        }
        document = bytesOf(*svg);
    } else {
        document = outlineDxfDocument(*figure);
    }
    if (!writeOutputOrTell(context_, choice.path, document))
        return;
    rememberFolderOf(context_, choice.path);
    prompter.messageBox(uiText(language, kOutlineExportedMessage) + u' ' + choice.path,
                        kPlainMessage, QString());
}
