#include "i18n/FailureReport.h"

#include <iostream>
#include <map>

namespace {

void WriteToStandardError(const std::string& text) {
    std::cerr << text << '\n';
}

FailureReporter& InstalledReporter() {
    static FailureReporter reporter = WriteToStandardError;
    return reporter;
}

// Last error number reported for each file that is currently failing.
std::map<std::string, int>& ReportedReadFailures() {
    static std::map<std::string, int> failures;
    return failures;
}

} // namespace

void SetFailureReporter(FailureReporter reporter) {
    InstalledReporter() = reporter ? std::move(reporter) : WriteToStandardError;
}

std::string FailureText(const FileError& error, std::string_view procedure) {
    return std::to_string(error.number) + error.description + "\r\n" + std::string(procedure);
}

void ReportFailure(const FileError& error, std::string_view procedure) {
    InstalledReporter()(FailureText(error, procedure));
}

void ReportReadFailureOnce(const std::string& path, const FileError& error,
                           std::string_view procedure) {
    const auto [entry, isNew] = ReportedReadFailures().try_emplace(path, error.number);
    if (!isNew && entry->second == error.number)
        return;
    entry->second = error.number;
    ReportFailure(error, procedure);
}

void ForgetReadFailure(const std::string& path) {
    ReportedReadFailures().erase(path);
}
