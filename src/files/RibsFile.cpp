// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/RibsFile.h"

#include "base/OutputFile.h"
#include "base/TextEncoding.h"
#include "calc/FormatResult.h"
#include "calc/ParseNumber.h"
#include "i18n/IniText.h"
#include "ribs/NacaAirfoil.h"

#include <algorithm>
#include <array>

namespace {

constexpr std::string_view kRibsSection = "Ribs";
constexpr std::string_view kAirfoilsSection = "Airfoils";
constexpr std::string_view kAirfoilSectionPrefix = "Airfoil ";
constexpr std::string_view kCrlf = "\r\n";
constexpr std::array<std::string_view, 3> kSideNames{"top", "bottom", "both"};
// A section's point count beyond this is a broken value, not a long list to wait for.
constexpr double kMostListedPoints = 100000;

// A key whose value is one number of Settings.
template <class Settings> struct NumberKey {
    std::string_view key;
    double Settings::*value;
};
constexpr std::array<NumberKey<RibSettings>, 4> kLengthKeys{{
    {"Spacing", &RibSettings::spacing},
    {"Sheeting", &RibSettings::sheeting},
    {"LeadingEdgeCut", &RibSettings::leadingEdgeCut},
    {"TrailingEdgeCut", &RibSettings::trailingEdgeCut},
}};

// In the order of RibSetting's JigHeight to JigWidth.
constexpr std::array<NumberKey<JigTabSettings>, 4> kJigKeys{{
    {"JigHeight", &JigTabSettings::height},
    {"JigFront", &JigTabSettings::frontPercent},
    {"JigRear", &JigTabSettings::rearPercent},
    {"JigWidth", &JigTabSettings::width},
}};
constexpr std::string_view kJigTabsKey = "JigTabs";
constexpr std::string_view kUpsideDownKey = "JigUpsideDown";
constexpr std::string_view kCoreKerfKey = "CoreKerf";

std::string numbered(std::string_view prefix, int index) {
    return std::string(prefix) + std::to_string(index + 1);
}

// A hand-written value may end in "; comment", as the file's description shows it.
std::string_view withoutComment(std::string_view value) {
    return trimBlanks(value.substr(0, value.find(';')));
}

std::optional<double> numberOf(std::string_view text) {
    return plainNumber(trimBlanks(text));
}

std::string sparText(const std::optional<SparNotch>& spar) {
    if (!spar)
        return {};
    return shortestNumber(spar->positionPercent) + "," + shortestNumber(spar->width) + "," +
           shortestNumber(spar->depth) + "," +
           std::string(kSideNames[static_cast<std::size_t>(spar->side)]);
}

std::string pointText(Point2D p) {
    return formatFixed(p.x, 6) + " " + formatFixed(p.y, 6);
}

void addLine(std::string& text, std::string_view key, std::string_view value) {
    text.append(key).append("=").append(value).append(kCrlf);
}

void addAirfoilSection(std::string& text, const Airfoil& airfoil) {
    text.append("[").append(kAirfoilSectionPrefix).append(airfoil.name).append("]").append(kCrlf);
    addLine(text, "Points", std::to_string(airfoil.points.size()));
    for (std::size_t i = 0; i < airfoil.points.size(); ++i)
        addLine(text, std::to_string(i + 1), pointText(airfoil.points[i]));
}

struct Reading {
    RibsFileRead read{RibsFileState::Loaded, {}, std::nullopt, std::nullopt};
    bool broken() const { return read.state == RibsFileState::Broken; }
    void fail(RibsFileFaultKind kind, std::string where) {
        read.state = RibsFileState::Broken;
        read.fault = RibsFileFault{kind, std::move(where), {}, std::nullopt};
    }
    void badValue(std::string_view section, std::string_view key, std::string_view value) {
        if (broken())
            return; // the first fault is the one to mend first
        std::string where = "[";
        where.append(section).append("] ").append(key).append("=").append(value);
        fail(RibsFileFaultKind::BadValue, std::move(where));
    }
};

std::optional<SparNotch> sparOf(std::string_view text, bool& readable) {
    readable = true;
    if (text.empty())
        return std::nullopt;
    std::array<std::string_view, 4> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::size_t comma = text.find(',');
        fields[i] = trimBlanks(text.substr(0, comma));
        text = comma == std::string_view::npos ? std::string_view() : text.substr(comma + 1);
        if (comma == std::string_view::npos && i + 1 < fields.size())
            break;
    }
    const auto position = numberOf(fields[0]);
    const auto width = numberOf(fields[1]);
    const auto depth = numberOf(fields[2]);
    std::optional<NotchSide> side;
    for (std::size_t i = 0; i < kSideNames.size(); ++i) {
        if (equalsIgnoringAsciiCase(fields[3], kSideNames[i]))
            side = static_cast<NotchSide>(i);
    }
    readable = position && width && depth && side && text.empty();
    if (!readable)
        return std::nullopt;
    return SparNotch{*position, *width, *depth, *side};
}

// The key and its value as written, for a message that points at it.
struct KeyValue {
    std::string key;
    std::string value;
};

std::optional<KeyValue> settingKey(const RibSettingFault& fault, const IniSection& ribs) {
    std::string key;
    switch (fault.setting) {
    case RibSetting::Spacing:
    case RibSetting::Sheeting:
    case RibSetting::LeadingEdgeCut:
    case RibSetting::TrailingEdgeCut:
        key = std::string(kLengthKeys[static_cast<std::size_t>(fault.setting)].key);
        break;
    case RibSetting::SparPosition:
    case RibSetting::SparWidth:
    case RibSetting::SparDepth:
        key = numbered("Spar", fault.index);
        break;
    case RibSetting::Twist:
        key = numbered("Twist", fault.index);
        break;
    case RibSetting::JigHeight:
    case RibSetting::JigFront:
    case RibSetting::JigRear:
    case RibSetting::JigWidth:
        key = std::string(kJigKeys[static_cast<std::size_t>(fault.setting) -
                                   static_cast<std::size_t>(RibSetting::JigHeight)]
                              .key);
        break;
    case RibSetting::CoreKerf:
        key = std::string(kCoreKerfKey);
        break;
    }
    return KeyValue{key, findIniKey(ribs, key).value_or("")};
}

void readSettings(const IniSection& ribs, Reading& reading) {
    RibSettings& settings = reading.read.definition.settings;
    const auto readNumber = [&](const std::string& key, double& value) {
        const std::string raw = findIniKey(ribs, key).value_or("");
        const std::string_view text = withoutComment(raw);
        if (text.empty())
            return;
        if (const auto number = numberOf(text))
            value = *number;
        else
            reading.badValue(kRibsSection, key, raw);
    };
    // A switch is 0 or 1; missing, it stays off.
    const auto readSwitch = [&](std::string_view key) {
        const std::string raw = findIniKey(ribs, std::string(key)).value_or("");
        const std::string_view text = withoutComment(raw);
        if (!text.empty() && text != "0" && text != "1")
            reading.badValue(kRibsSection, key, raw);
        return text == "1";
    };
    for (const auto& length : kLengthKeys)
        readNumber(std::string(length.key), settings.*length.value);
    settings.jig.enabled = readSwitch(kJigTabsKey);
    for (const auto& jig : kJigKeys)
        readNumber(std::string(jig.key), settings.jig.*jig.value);
    if (readSwitch(kUpsideDownKey))
        settings.jig.side = BuildingSide::UpsideDown;
    readNumber(std::string(kCoreKerfKey), settings.coreKerf);
    for (int i = 0; i < kPanelCount; ++i)
        readNumber(numbered("Twist", i), settings.twist[i]);
    for (int i = 0; i < kSparCount; ++i) {
        const std::string raw = findIniKey(ribs, numbered("Spar", i)).value_or("");
        bool readable = true;
        settings.spars[i] = sparOf(withoutComment(raw), readable);
        if (!readable)
            reading.badValue(kRibsSection, numbered("Spar", i), raw);
    }
    if (reading.broken())
        return;
    if (const auto fault = checkRibSettings(settings)) {
        const auto key = settingKey(*fault, ribs);
        reading.badValue(kRibsSection, key->key, key->value);
    }
}

// Points=n and the keys 1 to n, each "x y"; indexed in one pass, the first key of a number wins.
void readAirfoilSection(const IniSection& section, const std::string& name, Reading& reading) {
    const std::string raw = findIniKey(section, "Points").value_or("");
    const auto count = numberOf(withoutComment(raw));
    if (!count || *count < 1 || *count > kMostListedPoints || *count != static_cast<int>(*count))
        return reading.badValue(section.name, "Points", raw);
    const auto n = static_cast<std::size_t>(*count);
    std::vector<const std::string*> values(n, nullptr);
    for (const auto& [key, value] : section.keys) {
        const auto index = numberOf(key);
        if (index && *index >= 1 && *index <= *count && *index == static_cast<int>(*index)) {
            const auto slot = static_cast<std::size_t>(*index) - 1;
            if (!values[slot])
                values[slot] = &value;
        }
    }
    std::vector<Point2D> points;
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view text = values[i] ? withoutComment(*values[i]) : std::string_view();
        const std::size_t blank = text.find_first_of(kIniBlanks);
        const auto x = numberOf(text.substr(0, blank));
        const auto y =
            blank == std::string_view::npos ? std::nullopt : numberOf(text.substr(blank));
        if (!x || !y)
            return reading.badValue(section.name, std::to_string(i + 1),
                                    values[i] ? *values[i] : "");
        points.push_back({*x, *y});
    }
    NormalisedPoints normalised = normaliseAirfoil(points);
    if (normalised.fault) {
        reading.fail(RibsFileFaultKind::BadAirfoil, "[" + section.name + "]");
        reading.read.fault->airfoil = {*normalised.fault,
                                       static_cast<int>(normalised.faultPoint) + 1};
        return;
    }
    addAirfoil(reading.read.definition, {name, std::move(normalised.points)});
}

bool namesDatFile(std::string_view name) {
    return name.size() > kAirfoilFileExtension.size() &&
           equalsIgnoringAsciiCase(name.substr(name.size() - kAirfoilFileExtension.size()),
                                   kAirfoilFileExtension);
}

// A section of the station's name wins over a NACA section of that name.
void readStations(const std::vector<IniSection>& sections, Reading& reading) {
    RibsDefinition& definition = reading.read.definition;
    const IniSection* airfoils = findIniSection(sections, kAirfoilsSection);
    for (int station = 0; station < kAirfoilStationCount && !reading.broken(); ++station) {
        const std::string key = station == 0 ? "Root" : numbered("Tip", station - 1);
        const std::string name =
            airfoils ? std::string(withoutComment(findIniKey(*airfoils, key).value_or(""))) : "";
        definition.stationAirfoils[station] = name;
        if (name.empty()) {
            if (station == 0)
                reading.badValue(kAirfoilsSection, key, "");
            continue;
        }
        if (namesDatFile(name) || carriedAirfoil(definition, name))
            continue;
        if (const IniSection* section =
                findIniSection(sections, std::string(kAirfoilSectionPrefix) + name))
            readAirfoilSection(*section, name, reading);
        else if (!nacaAirfoil(name))
            reading.fail(RibsFileFaultKind::UnknownAirfoil, name);
    }
}

// Each station that names a .dat file gets the airfoil read from it, under its own name.
void importDatFiles(RibsFileRead& read, const std::string& folder) {
    for (std::string& name : read.definition.stationAirfoils) {
        if (!namesDatFile(name))
            continue;
        const std::string path = name.starts_with('/') ? name : folder + name;
        AirfoilFileRead airfoil = loadAirfoilFile(path);
        if (!airfoil.airfoil) {
            read.state = RibsFileState::Broken;
            read.fault =
                RibsFileFault{airfoil.fileError ? RibsFileFaultKind::AirfoilFileError
                                                : RibsFileFaultKind::BadAirfoil,
                              path, airfoil.fault.value_or(AirfoilFileFault{}), airfoil.fileError};
            return;
        }
        name = addAirfoil(read.definition, std::move(*airfoil.airfoil));
    }
}

} // namespace

std::string ribsFilePath(const std::string& wingPath) {
    return companionFilePath(wingPath, kRibsFileSuffix);
}

std::string ribsFileText(const RibsDefinition& definition) {
    const RibSettings& settings = definition.settings;
    std::string text = "[Ribs]\r\n";
    for (const auto& length : kLengthKeys)
        addLine(text, length.key, shortestNumber(settings.*length.value));
    for (int i = 0; i < kSparCount; ++i)
        addLine(text, numbered("Spar", i), sparText(settings.spars[i]));
    for (int i = 0; i < kPanelCount; ++i)
        addLine(text, numbered("Twist", i), shortestNumber(settings.twist[i]));
    addLine(text, kJigTabsKey, settings.jig.enabled ? "1" : "0");
    for (const auto& jig : kJigKeys)
        addLine(text, jig.key, shortestNumber(settings.jig.*jig.value));
    addLine(text, kUpsideDownKey, settings.jig.side == BuildingSide::UpsideDown ? "1" : "0");
    addLine(text, kCoreKerfKey, shortestNumber(settings.coreKerf));
    text.append("[Airfoils]").append(kCrlf);
    for (int station = 0; station < kAirfoilStationCount; ++station)
        addLine(text, station == 0 ? "Root" : numbered("Tip", station - 1),
                definition.stationAirfoils[station]);
    std::vector<std::string> written;
    for (const std::string& name : definition.stationAirfoils) {
        const Airfoil* carried = carriedAirfoil(definition, name);
        if (name.empty() || !carried || std::ranges::count(written, carried->name) > 0)
            continue;
        addAirfoilSection(text, *carried);
        written.push_back(carried->name);
    }
    return text;
}

RibsFileRead readRibsFileText(std::string_view content) {
    const std::vector<IniSection> sections = readIniSections(content);
    const IniSection* ribs = findIniSection(sections, kRibsSection);
    Reading reading;
    if (!ribs) {
        reading.fail(RibsFileFaultKind::NoRibsSection, {});
        return reading.read;
    }
    readSettings(*ribs, reading);
    if (!reading.broken())
        readStations(sections, reading);
    if (reading.broken())
        reading.read.definition = {};
    return reading.read;
}

RibsFileRead loadRibsFile(const std::string& path) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes)) {
        if (error->number == ENOENT)
            return {};
        return {RibsFileState::Broken, {}, std::nullopt, std::move(error)};
    }
    RibsFileRead read = readRibsFileText(decodeText(bytes));
    if (read.state == RibsFileState::Loaded)
        importDatFiles(read, folderOf(path));
    if (read.state == RibsFileState::Broken)
        read.definition = {};
    return read;
}

std::optional<FileError> saveRibsFile(const std::string& path, const RibsDefinition& definition) {
    return writeOutputFile(path, windows1252OrUtf8(ribsFileText(definition)));
}

std::optional<FileError> removeRibsFile(const std::string& path) {
    return removeFileIfPresent(path);
}
