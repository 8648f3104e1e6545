// SPDX-License-Identifier: GPL-3.0-or-later

#include "i18n/FailureReport.h"

#include <iostream>

std::string failureText(const FileError& error, std::string_view procedure) {
    return std::to_string(error.number) + error.description + "\r\n" + std::string(procedure);
}

std::string plainFailureText(const FileError& error, std::string_view verb,
                             const std::string& path) {
    return "Cannot " + std::string(verb) + " " + path + ": " + error.description + " (error " +
           std::to_string(error.number) + ")";
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

void FailureReports::reportReadFailureOnce(const std::string& path, int errorNumber,
                                           const std::string& text) {
    const auto [entry, isNew] = reportedReadFailures_.try_emplace(path, errorNumber);
    if (!isNew && entry->second == errorNumber)
        return;
    entry->second = errorNumber;
    reportText(text);
}

void FailureReports::forgetReadFailure(const std::string& path) {
    reportedReadFailures_.erase(path);
}
