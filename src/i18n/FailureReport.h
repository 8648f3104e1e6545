// The one failure report of the INI procedures: the core builds the text, whoever installed the
// reporter (stderr by default, a message box in the windows) shows it.
#pragma once

#include "base/TextFile.h"

#include <functional>
#include <string>
#include <string_view>

using FailureReporter = std::function<void(const std::string& text)>;

// An empty reporter restores the default, which writes to stderr.
void SetFailureReporter(FailureReporter reporter);

// Error number, description, "\r\n", procedure name: the text the report shows.
std::string FailureText(const FileError& error, std::string_view procedure);

void ReportFailure(const FileError& error, std::string_view procedure);

// Reports a read failure of that file only if the same error was not already reported for it,
// so a broken language file brings up one report rather than one per caption.
void ReportReadFailureOnce(const std::string& path, const FileError& error,
                           std::string_view procedure);

// The file read fine (or is simply missing): its next failure is reported again.
void ForgetReadFailure(const std::string& path);
