// SPDX-License-Identifier: GPL-3.0-or-later
// The tail and neutral-point inputs of the wing being edited. They exist once the user has chosen
// a tail or a flying wing; until then the window shows the defaults with nothing chosen, and
// nothing is kept beside the wing file.
#pragma once

#include "base/TextFile.h"
#include "calc/StabilityFields.h"

#include <optional>
#include <string>

// A .stab file that could not be read or written: where it is, and the file layer's error when
// there was one (none when the file was read but holds no stability data).
struct StabilityFileProblem {
    std::string path;
    std::optional<FileError> error;
};

class WingStability {
public:
    explicit WingStability(std::string decimalSeparator);

    bool exists() const { return entered_.has_value(); }
    // The texts the window shows: the entered ones, or the defaults.
    const StabilityFields& fields() const { return entered_ ? *entered_ : defaults_; }

    // Each edit makes the data exist, so the window offers the others only after the choice of a
    // tail or a flying wing. A changed tail tip chord is chained as on the wing.
    void setHasTail(bool hasTail);
    void setPanelText(PanelField field, int panel, const std::string& text);
    void setDistanceText(const std::string& text);
    void setEfficiencyText(const std::string& text);
    void setMarginText(const std::string& text);
    void remove() { entered_.reset(); }

    // Reads the file beside the wing; without one the wing has no stability data. A broken file
    // leaves none either, and says so.
    std::optional<StabilityFileProblem> loadBeside(const std::string& wingPath);
    // Writes the data beside the wing, or removes a file an earlier save left there.
    std::optional<StabilityFileProblem> saveBeside(const std::string& wingPath) const;

private:
    StabilityFields& edited();

    std::string decimalSeparator_;
    StabilityFields defaults_;
    std::optional<StabilityFields> entered_;
};
