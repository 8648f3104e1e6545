// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/WingRibs.h"

RibsDefinition& WingRibs::edited() {
    if (!entered_)
        entered_ = defaults_;
    return *entered_;
}

void WingRibs::setSettings(const RibSettings& settings) {
    edited().settings = settings;
}

void WingRibs::setStationAirfoil(int station, const std::string& name) {
    edited().stationAirfoils[station] = name;
}

AirfoilImport WingRibs::importAirfoil(const std::string& path) {
    AirfoilImport imported{loadAirfoilFile(path), {}};
    if (imported.read.airfoil)
        imported.name = addAirfoil(edited(), *imported.read.airfoil);
    return imported;
}

void WingRibs::remove() {
    entered_.reset();
    brokenFile_.clear();
}

std::optional<RibsFileProblem> WingRibs::loadBeside(const std::string& wingPath) {
    remove();
    const std::string path = ribsFilePath(wingPath);
    RibsFileRead read = loadRibsFile(path);
    switch (read.state) {
    case RibsFileState::Missing:
        return std::nullopt;
    case RibsFileState::Loaded:
        entered_ = std::move(read.definition);
        return std::nullopt;
    case RibsFileState::Broken:
        break;
    }
    brokenFile_ = path;
    return RibsFileProblem{path, std::move(read.error), std::move(read.fault)};
}

std::optional<RibsFileProblem> WingRibs::saveBeside(const std::string& wingPath) const {
    const std::string path = ribsFilePath(wingPath);
    if (!entered_ && path == brokenFile_)
        return std::nullopt;
    const std::optional<FileError> error =
        entered_ ? saveRibsFile(path, *entered_) : removeRibsFile(path);
    if (!error)
        return std::nullopt;
    return RibsFileProblem{path, error, std::nullopt};
}
