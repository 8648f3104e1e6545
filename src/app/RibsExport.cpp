// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RibsExport.h"

#include "app/CommandOutput.h"
#include "app/OpenedWing.h"
#include "draw/RibSheetSvg.h"
#include "dxf/RibSheetDxf.h"
#include "files/WingFilePath.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "ribs/RibSheet.h"
#include "session/RibsMessages.h"

#include <ostream>

namespace {

// The ribs of the wing, or nothing after the reason on err.
std::optional<std::vector<Rib>> ribsOf(const OpenedWing& wing, std::ostream& err) {
    const TextLookup& text = wing.session.text();
    const auto refuse = [&](const std::string& message) {
        err << "wingsheet: " << wing.path << ": " << asTerminalLines(message) << '\n';
        return std::nullopt;
    };
    if (wing.outcome.ribsProblem)
        return refuse(ribsFileMessage(*wing.outcome.ribsProblem, kRibsReadMessage, text));
    if (!wing.session.ribs().exists())
        return refuse(fillIn(text(kNoRibsMessage), {bareFileName(ribsFilePath(wing.path))}));
    RibsReport report = wing.session.calculateRibs();
    if (report.outcome != RibsOutcome::Ok)
        return refuse(ribsMessage(report, text));
    for (const Rib& rib : report.ribs) {
        if (!rib.problems.empty())
            err << "wingsheet: " << wing.path << ": " << rib.label << ": "
                << ribProblemsText(rib.problems, text) << '\n';
    }
    return std::move(report.ribs);
}

} // namespace

int writeRibSheet(const CommandRequest& request, const LanguageState& language,
                  std::string_view decimalSeparator, std::ostream& err) {
    const auto wing = openCalculatedWing(request.files.front(), decimalSeparator, language.lookup(),
                                         request.units, err);
    if (!wing)
        return 1;
    const auto ribs = ribsOf(*wing, err);
    if (!ribs)
        return 1;
    const std::vector<Point2D> placements = ribSheetPlacements(*ribs);
    const std::string document =
        request.action == CommandAction::RibsDxf
            ? ribSheetDxfDocument(*ribs, placements)
            : ribSheetSvgDocument(*ribs, placements, sheetTitle(request, wing->path));
    return writeCommandOutput(request.outputPath, document, language.lookup(), err);
}
