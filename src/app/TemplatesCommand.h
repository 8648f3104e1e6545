// SPDX-License-Identifier: GPL-3.0-or-later
// `wingsheet --ribs-pdf OUT.pdf FILE` and `--cores-pdf OUT.pdf FILE`: the rib or foam-core
// templates of a wing file at 1:1 on A4 or Letter pages, printed through Qt as the window prints
// them, so they need a (headless) GUI application.
#pragma once

#include "app/CommandLine.h"

#include <iosfwd>

int runTemplatesCommand(const CommandRequest& request, LanguageState& language, std::ostream& err);
