// SPDX-License-Identifier: GPL-3.0-or-later
// The units in the words of the current language: the names of the units beyond millimetres and
// grams, and for a caption that names a unit ("Inputs (mm)") the one naming the chosen unit.
#pragma once

#include "calc/DisplayUnits.h"
#include "i18n/TextKey.h"

UnitWords unitWords(const TextLookup& text);

// The key itself, unless it names millimetres (or grams) and the choice is inches (or ounces).
TextKey inChosenUnits(TextKey key, UnitChoice choice);
