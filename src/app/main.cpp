// SPDX-License-Identifier: GPL-3.0-or-later
// Wingsheet starts its window, or runs one command-line action and exits.
#include "app/CommandLine.h"
#include "app/CommandOutput.h"
#include "app/FullSizeCommand.h"
#include "app/HeadlessApplication.h"
#include "app/NoDisplayReport.h"
#include "app/SheetPdfCommand.h"
#include "app/TemplatesCommand.h"
#include "base/CheckedOutput.h"
#include "base/ProgramFolder.h"
#include "base/StandardStreams.h"
#include "draw/QtTextMetrics.h"
#include "i18n/LanguageState.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/main/WingsheetApp.h"

#include <iostream>
#include <optional>

namespace {

// The sheet in the JSON measures its texts with the printer's fonts, as a printed sheet does.
SheetContext todaysSheetContext() {
    SheetContext context;
    context.metrics = qtTextMetrics();
    context.date = todaysShortDate();
    return context;
}

// Only the sheet of --calc --json needs fonts, and so a GUI application; plain --calc and
// --export-dxf run without one. What they print on standard output is checked to the end.
int runPlainCommand(const CommandRequest& request, LanguageState& language) {
    std::optional<HeadlessApplication> fonts;
    SheetContext sheet;
    sheet.date = todaysShortDate();
    if (request.action == CommandAction::Calc && request.json) {
        fonts.emplace();
        sheet = todaysSheetContext();
    }
    CheckedOutputBuffer output;
    std::ostream out(&output);
    const int status =
        runCommand(request, language, systemDecimalSeparator(), sheet, out, std::cerr);
    return finishStandardOutput(status, output, std::cerr);
}

// The reports of the language and settings files, as the command line's other messages.
void reportOnTerminal(const std::string& text) {
    std::cerr << "wingsheet: " << asTerminalLines(text) << '\n';
}

} // namespace

int main(int argc, char** argv) {
    holdClosedStandardStreams();
    LanguageState language(findLanguagePlaces(executableFolder(argv[0])), reportOnTerminal);
    const CommandRequest request = parseCommandLine({argv + 1, argv + argc});
    if (request.action == CommandAction::SheetPdf)
        return runSheetPdfCommand(request, language, std::cerr);
    if (request.action == CommandAction::ExportSvg || request.action == CommandAction::TilesPdf)
        return runFullSizeCommand(request, language, std::cerr);
    if (request.action == CommandAction::RibsPdf || request.action == CommandAction::CoresPdf)
        return runTemplatesCommand(request, language, std::cerr);
    if (request.action != CommandAction::Window)
        return runPlainCommand(request, language);
    const NoDisplayReport noDisplay;
    return runWingsheetWindow(argc, argv, language,
                              request.files.empty() ? std::string() : request.files.front());
}
