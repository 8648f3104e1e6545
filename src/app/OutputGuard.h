// SPDX-License-Identifier: GPL-3.0-or-later
// An output of the command line never replaces what the command reads: the wing file itself, by
// whatever name (a symbolic or hard link, standard input or output on it), nor the files kept
// beside it, NAME.stab and NAME.ribs.
#pragma once

#include "app/CommandLine.h"

#include <iosfwd>

// True, after "wingsheet: ..." on err, when the request's output is one of those files; checked
// before anything is read or written.
bool outputWouldReplaceInput(const CommandRequest& request, std::ostream& err);
