// SPDX-License-Identifier: GPL-3.0-or-later
// `wingsheet --sheet-pdf OUT.pdf [--title TEXT] FILE`: the sheet of a wing file printed into a
// PDF without the window, through the same printing as the print command.
#pragma once

#include "app/CommandLine.h"

#include <iosfwd>

// 0 when the PDF was written; 1 when the wing, the sheet or the output file failed, with the
// reason on err. OUT "-" is standard output.
int runSheetPdfCommand(const CommandRequest& request, LanguageState& language, std::ostream& err);
