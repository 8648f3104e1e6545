// Wingsheet starts its window, or runs one command-line action and exits.
#include "app/CommandLine.h"
#include "app/HeadlessApplication.h"
#include "app/SheetPdfCommand.h"
#include "base/ProgramFolder.h"
#include "draw/QtTextMetrics.h"
#include "i18n/LanguageState.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/WingsheetApp.h"

#include <iostream>

namespace {

// The sheet in the JSON measures its texts with the printer's fonts, as a printed sheet does.
SheetContext TodaysSheetContext() {
    SheetContext context;
    context.metrics = QtTextMetrics();
    context.date = TodaysShortDate();
    return context;
}

// Only the sheet of --calc --json needs fonts, and so a GUI application; plain --calc runs
// without one.
int RunPlainCommand(const CommandRequest& request, LanguageState& language) {
    if (request.action != CommandAction::Calc || !request.json)
        return RunCommand(request, language, SystemDecimalSeparator(), {}, std::cout, std::cerr);
    const HeadlessApplication fonts;
    return RunCommand(request, language, SystemDecimalSeparator(), TodaysSheetContext(), std::cout,
                      std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    LanguageState language(LanguagePlaces::beside(executableFolder(argv[0])));
    const CommandRequest request = ParseCommandLine({argv + 1, argv + argc});
    if (request.action == CommandAction::SheetPdf)
        return RunSheetPdfCommand(request, language, std::cerr);
    if (request.action != CommandAction::Window)
        return RunPlainCommand(request, language);
    return RunWingsheetWindow(argc, argv, language);
}
