// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FullSizeCommand.h"

#include "app/CommandOutput.h"
#include "app/FullSizeExport.h"
#include "app/HeadlessApplication.h"
#include "i18n/TextKeys.h"
#include "print/ByteView.h"
#include "print/OutlineSvg.h"
#include "print/SystemLocale.h"
#include "print/TilePrinter.h"
#include "session/FullSizeText.h"

#include <ostream>
#include <string_view>

namespace {

int writeSvg(const CommandRequest& request, const LanguageState& language,
             const FullSizeFigure& figure, const std::string& title, std::ostream& err) {
    const auto document = outlineSvgDocument(figure, QString::fromStdString(title));
    if (!document) {
        err << "wingsheet: " << request.outputPath << ": the SVG generator failed\n";
        return 1;
    }
    return writeCommandOutput(request.outputPath, bytesOf(*document), language.lookup(), err);
}

int writeTiles(const CommandRequest& request, const LanguageState& language,
               const FullSizeFigure& figure, const std::string& title, std::ostream& err) {
    const QPageSize paper(request.paper == "Letter" ? QPageSize::Letter : QPageSize::A4);
    const TilePrintOutcome outcome =
        tilesPdf(figure, paper, tilePageTexts(language.lookup(), title));
    if (!outcome.printed) {
        err << "wingsheet: " << request.outputPath << ": "
            << (outcome.tooLarge ? language.text(kTooLargeMessage) : outcome.failure) << '\n';
        return 1;
    }
    return writeCommandOutput(request.outputPath, bytesOf(outcome.pdf), language.lookup(), err);
}

} // namespace

int runFullSizeCommand(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    if (request.files.size() != 1 || request.outputPath.empty()) {
        err << "wingsheet: the full-size actions need an output file and one wing file\n";
        return 2;
    }
    if (!prepareOutputRun(request, language, err))
        return 2;
    const HeadlessApplication application;
    const auto figure =
        commandFigure(request, language, systemDecimalSeparator(), todaysShortDate(), err);
    if (!figure)
        return 1;
    const std::string title = sheetTitle(request, request.files.front());
    if (request.action == CommandAction::ExportSvg)
        return writeSvg(request, language, *figure, title, err);
    return writeTiles(request, language, *figure, title, err);
}
