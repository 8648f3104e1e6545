// SPDX-License-Identifier: GPL-3.0-or-later
// `wingsheet --export-svg OUT.svg FILE` and `--tiles-pdf OUT.pdf [--paper A4|Letter] FILE`, each
// with --both-halves and --title: the full-size figure drawn through Qt, without a window.
#pragma once

#include "app/CommandLine.h"

#include <iosfwd>

// 0 when the file was written; 1 when the wing, the drawing or the writing failed, with the
// reason on err.
int runFullSizeCommand(const CommandRequest& request, LanguageState& language, std::ostream& err);
