// SPDX-License-Identifier: GPL-3.0-or-later
// The words a user reads when the neutral point cannot be worked out, or its file beside the
// wing cannot be read or written: the window shows them, the command line prints them.
#pragma once

#include "calc/CalculateStability.h"
#include "i18n/TextKey.h"
#include "session/WingStability.h"

#include <string>

// The message of a refused stability calculation; "" when it succeeded. A refused tail value
// is named as a field of the tail, with the wing's own words for what is wrong with it.
std::string stabilityMessage(const StabilityReport& report, const TextLookup& text);

// What a user must not miss in results that calculate: the CG typed for the wing behind the
// neutral point, a tail that begins inside the wing's root chord. One line each; "" when neither.
std::string stabilityWarning(const StabilityResults& results, const TextLookup& text);

// The text of the key, the file's path on a line of its own, then the file layer's error
// number and description when there is one.
std::string stabilityFileMessage(const StabilityFileProblem& problem, TextKey intro,
                                 const TextLookup& text);
