// SPDX-License-Identifier: GPL-3.0-or-later
// The words a screen reader speaks for the form, in the current language: the name of each
// field, of each result with its value, and what the preview shows. Messages name fields alike.
#pragma once

#include "calc/ResultTexts.h"
#include "calc/WingFields.h"
#include "i18n/TextKey.h"

#include <optional>
#include <string>
#include <string_view>

// The text without the spaces of its layout around it (" 29.00 dm²  ").
std::string_view withoutOuterSpaces(std::string_view text);

// A caption without the colon and blanks that end it: "Root chord:" gives "Root chord".
std::string withoutColon(std::string_view caption);

// The field's row caption, and its panel for the grid: "Root chord, panel 1"; "Weight".
std::string fieldName(InputField field, const TextLookup& text);

// A field of the tail's grid, named alike: "Root chord, tail panel 1".
std::string tailFieldName(InputField field, const TextLookup& text);

// A result as one phrase, caption then value: "Span: 2 600.00 mm"; the caption alone while the
// result is empty.
std::string resultName(std::string_view caption, std::string_view value);

// The preview's description: what it draws and where its marks are, from the result texts and
// the neutral point's text when the preview marks one; an empty preview says it waits for a
// calculation.
std::string previewDescription(const std::optional<ResultTexts>& shown, const TextLookup& text,
                               std::string_view neutralPoint = {});
