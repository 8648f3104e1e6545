// SPDX-License-Identifier: GPL-3.0-or-later
// The ribs of the wing being edited: the settings and airfoils the user chose, kept beside the
// wing file as NAME.ribs. They exist once the user has entered some; until then the window shows
// the defaults and nothing is written.
#pragma once

#include "base/TextFile.h"
#include "files/AirfoilFile.h"
#include "files/RibsFile.h"

#include <optional>
#include <string>

// A .ribs file that could not be read or written: where it is, the file layer's error or what
// in the file is broken.
struct RibsFileProblem {
    std::string path;
    std::optional<FileError> error;
    std::optional<RibsFileFault> fault;
};

// An airfoil file imported: its name in the wing, what normalising did; or why it was refused.
struct AirfoilImport {
    AirfoilFileRead read;
    std::string name;
};

class WingRibs {
public:
    bool exists() const { return entered_.has_value(); }
    // The definition the window shows: the entered one, or the defaults.
    const RibsDefinition& definition() const { return entered_ ? *entered_ : defaults_; }

    // Each change makes the data exist.
    void setSettings(const RibSettings& settings);
    void setStationAirfoil(int station, const std::string& name);
    // Reads the file and carries its airfoil in the wing; nothing changes when it is refused.
    AirfoilImport importAirfoil(const std::string& path);
    void remove();

    // Reads the file beside the wing; a broken one leaves no rib data, says why, and is left as
    // it is by the next save as of the same wing unless rib data are entered meanwhile.
    std::optional<RibsFileProblem> loadBeside(const std::string& wingPath);
    // Writes the data beside the wing, or removes a file an earlier save left there.
    std::optional<RibsFileProblem> saveBeside(const std::string& wingPath) const;

private:
    RibsDefinition& edited();

    RibsDefinition defaults_ = defaultRibsDefinition();
    std::optional<RibsDefinition> entered_;
    std::string brokenFile_; // the broken file that was found beside the wing, kept untouched
};
