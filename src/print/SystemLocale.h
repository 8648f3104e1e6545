// SPDX-License-Identifier: GPL-3.0-or-later
// What the windows, the sheet and the command line take from the system's locale: the decimal
// separator that typed numbers and results use, and today's date in the short form.
#pragma once

#include <string>

std::string systemDecimalSeparator();
std::string todaysShortDate();
