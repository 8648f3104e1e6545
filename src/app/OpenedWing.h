// A wing file opened and calculated exactly as File > Open does, for the command line.
#pragma once

#include "calc/CalculateWing.h"
#include "base/TextFile.h"

#include <optional>
#include <string>
#include <string_view>

struct OpenedWing {
    std::string path;
    std::optional<FileError> fileError; // set when the file could not be read whole
    WingFields fields;                  // the texts after Open; cleared again after a file error
    WingPlanform planform;
    WingResults results;
    CalcReport report;
};

OpenedWing OpenWing(const std::string& path, std::string_view decimalSeparator);

// The text the window would show for this wing, "" when it shows none.
std::string OutcomeMessage(const OpenedWing& wing);
