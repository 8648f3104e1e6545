// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/AirfoilFolder.h"

#include "base/ProgramFolder.h"
#include "files/AirfoilFile.h"

std::string airfoilFolder(const LanguagePlaces& places) {
    const std::string& base = places.installed ? places.userFolder : places.languageFolder;
    if (base.empty())
        return {};
    return base + kPathSeparator + "airfoils";
}

std::vector<NamedFile> listAirfoilFiles(const LanguagePlaces& places) {
    const std::string folder = airfoilFolder(places);
    if (folder.empty())
        return {};
    return listNamedFiles(folder, kAirfoilFileExtension);
}
