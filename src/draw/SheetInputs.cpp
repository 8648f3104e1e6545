// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/SheetInputs.h"

std::string sheetText(const SheetInputs& inputs, TextKey key) {
    return inputs.lookup ? inputs.lookup(key) : std::string{};
}
