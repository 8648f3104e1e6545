// Everything the printed sheet needs besides the wing: the language's texts, the unit texts, the
// title and the date, all prepared by the caller so the layout stays a pure function.
#pragma once

#include "calc/ResultTexts.h"

#include <functional>
#include <string>
#include <string_view>

// The text of a section and key of the current language file; "" when anything is missing.
using TextLookup = std::function<std::string(std::string_view section, std::string_view key)>;

struct SheetInputs {
    TextLookup lookup;
    std::string lengthUnit{kLengthUnit};
    std::string areaUnit{kAreaUnit};
    std::string loadingCaption; // what the wing-loading result label shows at print time
    std::string title;
    std::string date; // already in the locale's short date form
    std::string decimalSeparator = ".";
};

// A lookup that tolerates a missing callback, as a missing language file does.
std::string SheetText(const SheetInputs& inputs, std::string_view section, std::string_view key);
