// SPDX-License-Identifier: GPL-3.0-or-later
// The words a user reads when a wing cannot be opened, saved or calculated, from the language
// file: the window shows them in message boxes, the command line on standard error.
#pragma once

#include "base/TextFile.h"
#include "calc/CalculateWing.h"
#include "i18n/TextKey.h"

#include <optional>
#include <string>

// "Message"/"8" " # " number " " "Message"/"9" " " "Label"/"0", a carriage return, description,
// so a modeller can tell a missing file from a full disk.
std::string fileErrorMessage(const FileError& error, const TextLookup& text);

// The warning of a refused calculation: "Message"/"2" when the balance value is to blame, a
// message of its own naming the panel or field for an incomplete panel, a gap, a negative or a
// too-large value, and "Message"/"1" for everything else; "" when the calculation succeeded.
std::string calculationMessage(const CalcReport& report, const TextLookup& text);

// The field a refused calculation blames, where the window puts the cursor; none when the
// calculation succeeded or no one input is to blame.
std::optional<InputField> fieldAtFault(const CalcReport& report);
