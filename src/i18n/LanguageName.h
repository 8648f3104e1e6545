// SPDX-License-Identifier: GPL-3.0-or-later
// What may name a language: the language file is the name plus ".lng" inside a language folder,
// so a name must not lead out of that folder or hide characters from the user.
#pragma once

#include <string_view>

// False for the empty name and for one holding "/" or "\", "..", a NUL or another control
// character (C0, DEL or C1); such a name from tz.ini or --lang is no language at all.
bool isLanguageName(std::string_view name);
