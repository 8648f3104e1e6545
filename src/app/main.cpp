// SPDX-License-Identifier: GPL-3.0-or-later
// Wingsheet starts its window, or runs one command-line action and exits.
#include "app/CommandLine.h"
#include "app/FullSizeCommand.h"
#include "app/HeadlessApplication.h"
#include "app/SheetPdfCommand.h"
#include "base/ProgramFolder.h"
#include "draw/QtTextMetrics.h"
#include "i18n/LanguageState.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/main/WingsheetApp.h"

#include <iostream>

namespace {

// The sheet in the JSON measures its texts with the printer's fonts, as a printed sheet does.
SheetContext todaysSheetContext() {
    SheetContext context;
    context.metrics = qtTextMetrics();
    context.date = todaysShortDate();
    return context;
}

// Only the sheet of --calc --json needs fonts, and so a GUI application; plain --calc and
// --export-dxf run without one.
int runPlainCommand(const CommandRequest& request, LanguageState& language) {
    if (request.action != CommandAction::Calc || !request.json) {
        SheetContext dateOnly;
        dateOnly.date = todaysShortDate();
        return runCommand(request, language, systemDecimalSeparator(), dateOnly, std::cout,
                          std::cerr);
    }
    const HeadlessApplication fonts;
    return runCommand(request, language, systemDecimalSeparator(), todaysSheetContext(), std::cout,
                      std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    LanguageState language(findLanguagePlaces(executableFolder(argv[0])));
    const CommandRequest request = parseCommandLine({argv + 1, argv + argc});
    if (request.action == CommandAction::SheetPdf)
        return runSheetPdfCommand(request, language, std::cerr);
    if (request.action == CommandAction::ExportSvg || request.action == CommandAction::TilesPdf)
        return runFullSizeCommand(request, language, std::cerr);
    if (request.action != CommandAction::Window)
        return runPlainCommand(request, language);
    return runWingsheetWindow(argc, argv, language,
                              request.files.empty() ? std::string() : request.files.front());
}
