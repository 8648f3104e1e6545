// SPDX-License-Identifier: GPL-3.0-or-later
// Where a command-line action puts what it made: "-" is standard output, any other name a file
// written through writeOutputFile. Every drawing and export of the command line goes through it,
// and what --calc, --help and --version print is checked as carefully.
#pragma once

#include "i18n/TextKey.h"

#include <iosfwd>
#include <string>
#include <string_view>

class CheckedOutputBuffer;

// "-" as an input is standard input, as an output standard output.
inline constexpr std::string_view kStandardStream = "-";

// 0 when the bytes were written; otherwise 1, with the Open/Save error text (number and
// description) after "wingsheet: PATH: " on err.
int writeCommandOutput(const std::string& path, std::string_view bytes, const TextLookup& text,
                       std::ostream& err);

// The status of a command that printed on standard output: 1, with the error in words on err,
// when any of it could not be written (a full disk, a closed descriptor); else `status`.
int finishStandardOutput(int status, CheckedOutputBuffer& out, std::ostream& err);
