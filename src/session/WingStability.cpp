// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/WingStability.h"

#include "files/StabilityFile.h"

WingStability::WingStability(std::string decimalSeparator)
    : decimalSeparator_(std::move(decimalSeparator))
    , defaults_(defaultStabilityFields(decimalSeparator_)) {}

StabilityFields& WingStability::edited() {
    if (!entered_)
        entered_ = defaults_;
    return *entered_;
}

void WingStability::setHasTail(bool hasTail) {
    edited().hasTail = hasTail;
}

void WingStability::setPanelText(PanelField field, int panel, const std::string& text) {
    ::setPanelText(edited().tail, field, panel, text);
}

void WingStability::setDistanceText(const std::string& text) {
    edited().distance = text;
}

void WingStability::setEfficiencyText(const std::string& text) {
    edited().efficiency = text;
}

void WingStability::setMarginText(const std::string& text) {
    edited().margin = text;
}

std::optional<StabilityFileProblem> WingStability::loadBeside(const std::string& wingPath) {
    entered_.reset();
    const std::string path = stabilityFilePath(wingPath);
    StabilityFileRead read = loadStabilityFile(path, decimalSeparator_);
    switch (read.state) {
    case StabilityFileState::Missing:
        return std::nullopt;
    case StabilityFileState::Loaded:
        entered_ = std::move(read.fields);
        return std::nullopt;
    case StabilityFileState::Broken:
        break;
    }
    return StabilityFileProblem{path, std::move(read.error)};
}

std::optional<StabilityFileProblem> WingStability::saveBeside(const std::string& wingPath) const {
    const std::string path = stabilityFilePath(wingPath);
    const std::optional<FileError> error =
        entered_ ? saveStabilityFile(path, *entered_) : removeStabilityFile(path);
    if (!error)
        return std::nullopt;
    return StabilityFileProblem{path, error};
}
