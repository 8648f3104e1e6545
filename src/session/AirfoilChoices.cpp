// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/AirfoilChoices.h"

#include "base/TextEncoding.h"
#include "ribs/NacaAirfoil.h"

#include <algorithm>

namespace {

bool offers(const std::vector<AirfoilChoice>& choices, const std::string& name) {
    return std::ranges::any_of(choices, [&name](const AirfoilChoice& choice) {
        return choice.kind == AirfoilChoiceKind::Named &&
               equalsIgnoringAsciiCase(choice.name, name);
    });
}

} // namespace

std::vector<AirfoilChoice> airfoilChoices(const RibsDefinition& definition, int station,
                                          const std::vector<NamedFile>& folderFiles) {
    std::vector<AirfoilChoice> choices;
    if (station > 0)
        choices.push_back({AirfoilChoiceKind::Inward, {}, {}});
    for (const std::string_view naca : kOfferedNacaSections)
        choices.push_back({AirfoilChoiceKind::Named, std::string(naca), {}});
    const std::string& own = definition.stationAirfoils[station];
    if (!own.empty() && !offers(choices, own) && nacaAirfoil(own))
        choices.push_back({AirfoilChoiceKind::Named, own, {}});
    for (const Airfoil& airfoil : definition.airfoils) {
        if (!offers(choices, airfoil.name))
            choices.push_back({AirfoilChoiceKind::Named, airfoil.name, {}});
    }
    for (const NamedFile& file : folderFiles)
        choices.push_back({AirfoilChoiceKind::FolderFile, file.name, file.path});
    choices.push_back({AirfoilChoiceKind::ImportFile, {}, {}});
    return choices;
}

std::size_t chosenAirfoil(const std::vector<AirfoilChoice>& choices, const std::string& name) {
    for (std::size_t i = 0; i < choices.size(); ++i) {
        const AirfoilChoice& choice = choices[i];
        if (name.empty() ? choice.kind == AirfoilChoiceKind::Inward
                         : choice.kind == AirfoilChoiceKind::Named &&
                               equalsIgnoringAsciiCase(choice.name, name))
            return i;
    }
    return 0;
}
