// Wingsheet starts its window, or runs one command-line action and exits.
#include "app/CommandLine.h"
#include "app/HeadlessApplication.h"
#include "i18n/Language.h"
#include "draw/QtTextMetrics.h"
#include "app/SheetPdfCommand.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "ui/WingsheetApp.h"

#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

// The program folder holds the language files and tz.ini beside the executable.
std::string ExecutableFolder(const char* argv0) {
    std::error_code error;
    std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        executable = std::filesystem::absolute(argv0, error);
    return executable.parent_path().string();
}

// The sheet in the JSON measures its texts with the printer's fonts, as a printed sheet does.
SheetContext TodaysSheetContext() {
    SheetContext context;
    context.metrics = QtTextMetrics();
    context.date = TodaysShortDate();
    return context;
}

// Only the sheet of --calc --json needs fonts, and so a GUI application; plain --calc runs
// without one.
int RunPlainCommand(const CommandRequest& request) {
    if (request.action != CommandAction::Calc || !request.json)
        return RunCommand(request, SystemDecimalSeparator(), {}, std::cout, std::cerr);
    const HeadlessApplication fonts;
    return RunCommand(request, SystemDecimalSeparator(), TodaysSheetContext(), std::cout,
                      std::cerr);
}

} // namespace

int main(int argc, char** argv) {
    SetProgramFolder(ExecutableFolder(argv[0]));
    const CommandRequest request = ParseCommandLine({argv + 1, argv + argc});
    if (request.action == CommandAction::SheetPdf)
        return RunSheetPdfCommand(request, std::cerr);
    if (request.action != CommandAction::Window)
        return RunPlainCommand(request);
    return RunWingsheetWindow(argc, argv);
}
