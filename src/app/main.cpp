// Wingsheet starts its window, or runs one command-line action and exits.
#include "CommandLine.h"
#include "Language.h"
#include "WingsheetApp.h"

#include <QDate>
#include <QLocale>
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

std::string SystemDecimalSeparator() {
    return QLocale::system().decimalPoint().toStdString();
}

SheetContext TodaysSheetContext() {
    SheetContext context;
    context.date =
        QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat).toStdString();
    return context;
}

} // namespace

int main(int argc, char** argv) {
    SetProgramFolder(ExecutableFolder(argv[0]));
    const CommandRequest request = ParseCommandLine({argv + 1, argv + argc});
    if (request.action != CommandAction::Window)
        return RunCommand(request, SystemDecimalSeparator(), TodaysSheetContext(), std::cout,
                          std::cerr);
    return RunWingsheetWindow(argc, argv);
}
