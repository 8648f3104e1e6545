// The command-line actions of wingsheet: calculate wing files, and (later) draw and print them
// without opening the window.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

enum class CommandAction { Window, Calc, Help, Version, UsageError };

struct CommandRequest {
    CommandAction action = CommandAction::Window;
    bool json = false;
    std::string language; // --lang: this run only, tz.ini stays as it is
    std::vector<std::string> files;
    std::string problem; // why the arguments were refused
};

CommandRequest ParseCommandLine(const std::vector<std::string>& arguments);

// Runs a non-window action and returns the exit status: 0 every file calculated, 1 some did
// not, 2 the arguments were wrong.
int RunCommand(const CommandRequest& request, std::string_view decimalSeparator, std::ostream& out,
               std::ostream& err);
