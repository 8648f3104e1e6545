// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/StabilityFile.h"

#include "base/OutputFile.h"
#include "base/TextEncoding.h"
#include "files/WingFilePath.h"
#include "i18n/IniText.h"

#include <array>

namespace {

constexpr std::string_view kTailSection = "Tail";
constexpr std::string_view kStabilitySection = "Stability";

// One key per panel row of the tail grid, numbered from 1 as the window's panels are.
struct PanelRowKey {
    std::string_view prefix;
    PanelField field;
};
constexpr std::array<PanelRowKey, 4> kPanelRows{{
    {"RootChord", PanelField::RootChord},
    {"TipChord", PanelField::TipChord},
    {"Length", PanelField::PanelLength},
    {"Sweep", PanelField::SweepOffset},
}};

std::string panelKey(const PanelRowKey& row, int panel) {
    return std::string(row.prefix) + std::to_string(panel + 1);
}

const std::string& panelText(const WingFields& tail, PanelField field, int panel) {
    switch (field) {
    case PanelField::RootChord:
        return tail.rootChord[panel];
    case PanelField::TipChord:
        return tail.tipChord[panel];
    case PanelField::PanelLength:
        return tail.panelLength[panel];
    case PanelField::SweepOffset:
        break;
    }
    return tail.sweepOffset[panel];
}

bool isBlank(char c) {
    return kIniBlanks.find(c) != std::string_view::npos;
}

// The reader trims blanks and strips one pair of outer quotes; quoting such a value keeps it.
std::string iniValue(const std::string& text) {
    const bool trimmed = !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
    const bool quoted = text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
                        text.back() == text.front();
    return trimmed || quoted ? "\"" + text + "\"" : text;
}

} // namespace

std::string stabilityFilePath(const std::string& wingPath) {
    return companionFilePath(wingPath, kStabilityFileSuffix);
}

std::string stabilityFileText(const StabilityFields& fields) {
    std::string text;
    for (const PanelRowKey& row : kPanelRows) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            text = setIniValue(text, kTailSection, panelKey(row, panel),
                               iniValue(panelText(fields.tail, row.field, panel)));
    }
    text = setIniValue(text, kStabilitySection, "HasTail", fields.hasTail ? "1" : "0");
    text = setIniValue(text, kStabilitySection, "Distance", iniValue(fields.distance));
    text = setIniValue(text, kStabilitySection, "Efficiency", iniValue(fields.efficiency));
    return setIniValue(text, kStabilitySection, "Margin", iniValue(fields.margin));
}

StabilityFileRead readStabilityFileText(std::string_view content,
                                        std::string_view decimalSeparator) {
    const std::optional<std::string> hasTail = findIniValue(content, kStabilitySection, "HasTail");
    if (!hasTail || (*hasTail != "0" && *hasTail != "1"))
        return {StabilityFileState::Broken, {}, std::nullopt};

    StabilityFileRead read{StabilityFileState::Loaded, defaultStabilityFields(decimalSeparator),
                           std::nullopt};
    StabilityFields& fields = read.fields;
    fields.hasTail = *hasTail == "1";
    fields.efficiency = efficiencyText(kEarlierTailEfficiency, decimalSeparator);
    // Panel by panel, root chord first, as a wing file is read.
    for (int panel = 0; panel < kPanelCount; ++panel) {
        for (const PanelRowKey& row : kPanelRows) {
            if (const auto value = findIniValue(content, kTailSection, panelKey(row, panel)))
                setPanelText(fields.tail, row.field, panel, *value);
        }
    }
    const auto readKey = [content](std::string_view key, std::string& field) {
        if (auto value = findIniValue(content, kStabilitySection, key))
            field = std::move(*value);
    };
    readKey("Distance", fields.distance);
    readKey("Efficiency", fields.efficiency);
    readKey("Margin", fields.margin);
    return read;
}

StabilityFileRead loadStabilityFile(const std::string& path, std::string_view decimalSeparator) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes)) {
        if (error->number == ENOENT)
            return {};
        return {StabilityFileState::Broken, {}, std::move(error)};
    }
    return readStabilityFileText(decodeText(bytes), decimalSeparator);
}

std::optional<FileError> saveStabilityFile(const std::string& path, const StabilityFields& fields) {
    return writeOutputFile(path, windows1252OrUtf8(stabilityFileText(fields)));
}

std::optional<FileError> removeStabilityFile(const std::string& path) {
    return removeFileIfPresent(path);
}
