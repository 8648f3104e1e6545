// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/RememberedChoices.h"

#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"

namespace {

constexpr std::string_view kFolderKey = "Folder";
constexpr std::string_view kBothHalvesKey = "BothHalves";
constexpr std::string_view kPaperKey = "Paper";
constexpr std::string_view kLengthKey = "Length";
constexpr std::string_view kMassKey = "Mass";

// A folder's path may be as long as the file system allows.
constexpr std::size_t kLongestValue = 4096;

} // namespace

RememberedChoices::RememberedChoices(LanguageState& settings)
    : settings_(settings) {}

std::string RememberedChoices::folder() const {
    return value(kFolderKey);
}

void RememberedChoices::setFolder(const std::string& folder) {
    remember(kFolderKey, folder);
}

bool RememberedChoices::bothHalves() const {
    return value(kBothHalvesKey) == "1";
}

void RememberedChoices::setBothHalves(bool bothHalves) {
    remember(kBothHalvesKey, bothHalves ? "1" : "0");
}

std::string RememberedChoices::paper() const {
    return value(kPaperKey);
}

void RememberedChoices::setPaper(const std::string& paper) {
    remember(kPaperKey, paper);
}

UnitChoice RememberedChoices::units() const {
    return {lengthUnitNamed(value(kLengthKey, kUnitsSection)).value_or(LengthUnit::Millimetre),
            massUnitNamed(value(kMassKey, kUnitsSection)).value_or(MassUnit::Gram)};
}

void RememberedChoices::setUnits(UnitChoice units) {
    remember(kLengthKey, std::string(unitName(units.length)), kUnitsSection);
    remember(kMassKey, std::string(unitName(units.mass)), kUnitsSection);
}

std::string RememberedChoices::value(std::string_view key, std::string_view section) const {
    if (const auto held = heldForRun_.find(std::string(section) + '/' + std::string(key));
        held != heldForRun_.end())
        return held->second;
    return settings_.readSetting(section, key, kLongestValue);
}

// Once tz.ini has refused, later choices are only held: one message says it for all of them. A
// line break would end the value's line in tz.ini, so such a folder name is held too.
void RememberedChoices::remember(std::string_view key, const std::string& value,
                                 std::string_view section) {
    if (this->value(key, section) == value)
        return;
    heldForRun_.insert_or_assign(std::string(section) + '/' + std::string(key), value);
    if (!told_ && value.find_first_of("\r\n") == std::string::npos)
        told_ = !settings_.storeSetting(section, key, value, kChoiceNotRememberedMessage);
}
