// SPDX-License-Identifier: GPL-3.0-or-later
// Texts with blanks for the program to fill in: "%1" to "%9" stand for the values, so each
// translation can put the panel number or the field's name where its grammar wants it.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// "%n" becomes the n-th value; a "%" not followed by the number of a given value stays as it is,
// and the values themselves are not searched again.
std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> values);
