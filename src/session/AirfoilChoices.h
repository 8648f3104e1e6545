// SPDX-License-Identifier: GPL-3.0-or-later
// What the airfoil chooser of a station offers, in its order: "as inward" for a tip, the
// generated NACA sections, the airfoils the wing carries, the .dat files of the user's airfoil
// folder, and the import of any other file.
#pragma once

#include "base/NamedFiles.h"
#include "ribs/RibSettings.h"

#include <string>
#include <vector>

enum class AirfoilChoiceKind { Inward, Named, FolderFile, ImportFile };

struct AirfoilChoice {
    AirfoilChoiceKind kind = AirfoilChoiceKind::Named;
    std::string name; // a station name (Named), a file's name (FolderFile)
    std::string path; // FolderFile: the file to import
    bool operator==(const AirfoilChoice&) const = default;
};

// A station name that is none of these (a NACA section written by hand) is offered too, after
// the generated ones, so the chooser can show what the station has.
std::vector<AirfoilChoice> airfoilChoices(const RibsDefinition& definition, int station,
                                          const std::vector<NamedFile>& folderFiles);

// The entry showing what the station has now.
std::size_t chosenAirfoil(const std::vector<AirfoilChoice>& choices, const std::string& name);
