// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/FailureReport.h"

#include <iostream>

std::string failureText(const FileError& error, std::string_view procedure) {
    return std::to_string(error.number) + error.description + "\r\n" + std::string(procedure);
}

void writeToStandardError(const std::string& text) {
    std::cerr << text << '\n';
}

FailureReports::FailureReports(FailureReporter reporter) {
    setReporter(std::move(reporter));
}

void FailureReports::setReporter(FailureReporter reporter) {
    reporter_ = reporter ? std::move(reporter) : writeToStandardError;
}

void FailureReports::report(const FileError& error, std::string_view procedure) const {
    reporter_(failureText(error, procedure));
}

void FailureReports::reportReadFailureOnce(const std::string& path, const FileError& error,
                                           std::string_view procedure) {
    const auto [entry, isNew] = reportedReadFailures_.try_emplace(path, error.number);
    if (!isNew && entry->second == error.number)
        return;
    entry->second = error.number;
    report(error, procedure);
}

void FailureReports::forgetReadFailure(const std::string& path) {
    reportedReadFailures_.erase(path);
}
