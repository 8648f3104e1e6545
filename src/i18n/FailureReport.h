// SPDX-License-Identifier: GPL-3.0-or-later
// The failure report of the settings and language-file procedures: the core builds the text,
// whoever installed the reporter (stderr by default, a message box in the windows) shows it.
#pragma once

#include "base/TextFile.h"

#include <functional>
#include <map>
#include <string>
#include <string_view>

using FailureReporter = std::function<void(const std::string& text)>;

// Error number, description, "\r\n", procedure name: the text the report shows.
std::string failureText(const FileError& error, std::string_view procedure);

// The report before any language is chosen, when no file of the user's language can word it:
// the file and the error in English words, "Cannot read PATH: Not a directory (error 20)".
std::string plainFailureText(const FileError& error, std::string_view verb,
                             const std::string& path);

void writeToStandardError(const std::string& text);

class FailureReports {
public:
    explicit FailureReports(FailureReporter reporter = writeToStandardError);

    // An empty reporter restores the default, which writes to stderr.
    void setReporter(FailureReporter reporter);

    // A report already worded for the user.
    void reportText(const std::string& text) const { reporter_(text); }

    // Reports a read failure of that file only if the same error was not already reported for
    // it, so a broken language file brings up one report rather than one per caption.
    void reportReadFailureOnce(const std::string& path, int errorNumber, const std::string& text);

    // The file read fine (or is simply missing): its next failure is reported again.
    void forgetReadFailure(const std::string& path);

private:
    FailureReporter reporter_;
    std::map<std::string, int> reportedReadFailures_; // last error number per failing file
};
