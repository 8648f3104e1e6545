// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/RibSettings.h"

#include "base/TextEncoding.h"
#include "ribs/NacaAirfoil.h"

#include <algorithm>
#include <cmath>

namespace {

bool isLength(double value) {
    return std::isfinite(value) && value >= 0 && value <= kLargestRibLength;
}

bool isPercent(double value) {
    return std::isfinite(value) && value >= 0 && value <= 100;
}

std::optional<RibSettingFault> checkJigTabs(const JigTabSettings& jig) {
    if (!isLength(jig.height))
        return RibSettingFault{RibSetting::JigHeight};
    if (!isPercent(jig.frontPercent))
        return RibSettingFault{RibSetting::JigFront};
    if (!isPercent(jig.rearPercent) || jig.rearPercent <= jig.frontPercent)
        return RibSettingFault{RibSetting::JigRear};
    if (!isLength(jig.width) || jig.width == 0)
        return RibSettingFault{RibSetting::JigWidth};
    return std::nullopt;
}

} // namespace

std::optional<RibSettingFault> checkRibSettings(const RibSettings& s) {
    if (!isLength(s.spacing))
        return RibSettingFault{RibSetting::Spacing};
    if (!isLength(s.sheeting))
        return RibSettingFault{RibSetting::Sheeting};
    if (!isLength(s.leadingEdgeCut))
        return RibSettingFault{RibSetting::LeadingEdgeCut};
    if (!isLength(s.trailingEdgeCut))
        return RibSettingFault{RibSetting::TrailingEdgeCut};
    for (int i = 0; i < kSparCount; ++i) {
        const std::optional<SparNotch>& spar = s.spars[i];
        if (!spar)
            continue;
        if (!isPercent(spar->positionPercent))
            return RibSettingFault{RibSetting::SparPosition, i};
        if (!isLength(spar->width) || spar->width == 0)
            return RibSettingFault{RibSetting::SparWidth, i};
        if (!isLength(spar->depth))
            return RibSettingFault{RibSetting::SparDepth, i};
    }
    for (int i = 0; i < kPanelCount; ++i) {
        if (!std::isfinite(s.twist[i]) || std::abs(s.twist[i]) > kLargestTwist)
            return RibSettingFault{RibSetting::Twist, i};
    }
    if (!std::isfinite(s.coreKerf) || s.coreKerf < 0 || s.coreKerf > kLargestKerf)
        return RibSettingFault{RibSetting::CoreKerf};
    return checkJigTabs(s.jig);
}

const Airfoil* carriedAirfoil(const RibsDefinition& definition, std::string_view name) {
    const auto carried = std::ranges::find_if(definition.airfoils, [name](const Airfoil& airfoil) {
        return equalsIgnoringAsciiCase(airfoil.name, name);
    });
    return carried == definition.airfoils.end() ? nullptr : &*carried;
}

std::optional<Airfoil> findAirfoil(const RibsDefinition& definition, std::string_view name) {
    if (const Airfoil* carried = carriedAirfoil(definition, name))
        return *carried;
    return nacaAirfoil(name);
}

std::string stationAirfoilName(const RibsDefinition& definition, int station) {
    for (int i = station; i >= 0; --i) {
        if (!definition.stationAirfoils[i].empty())
            return definition.stationAirfoils[i];
    }
    return {};
}

std::string addAirfoil(RibsDefinition& definition, Airfoil airfoil) {
    const std::string base = airfoil.name;
    for (int copy = 2;; ++copy) {
        const Airfoil* same = carriedAirfoil(definition, airfoil.name);
        if (!same)
            break;
        if (same->points == airfoil.points)
            return same->name;
        airfoil.name = base + " (" + std::to_string(copy) + ")";
    }
    definition.airfoils.push_back(airfoil);
    return airfoil.name;
}

RibsDefinition defaultRibsDefinition() {
    RibsDefinition definition;
    definition.settings.spacing = 60;
    definition.stationAirfoils[0] = "NACA 2412";
    return definition;
}
