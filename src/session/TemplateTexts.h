// SPDX-License-Identifier: GPL-3.0-or-later
// The rib and foam-core templates of the session's wing as parts to print or cut, and the words
// on them and on their pages, in the session's language. The window prints them, the command
// line prints and writes them.
#pragma once

#include "draw/TemplatePages.h"
#include "ribs/CoreTemplates.h"
#include "ribs/RibSheet.h"
#include "session/WingSession.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct TemplateParts {
    std::vector<CutPart> parts;
    std::string problem;                  // why there are none, in words; "" when there are
    std::vector<std::string> ribProblems; // each rib that cannot be made as asked, with its label
};

// The session's ribs as they are now (the caller checks that the wing has rib data), each twice
// with bothHalves; kerf: the cutter's, mm.
TemplateParts ribTemplateParts(const WingSession& session, RibPartUse use, bool bothHalves,
                               double kerf = 0);

// Root and tip of every panel; kerf: the hot wire's, else the ribs' CoreKerf.
TemplateParts coreTemplateParts(const WingSession& session, std::optional<double> kerf = {});

// What is written on a foam-core template: what it is, its chord and twist, the sweep offset
// between the panel's two templates, the kerf; the lengths in the chosen units.
std::vector<std::string> coreTemplateLines(const CoreTemplate& core, const DisplayUnits& units,
                                           std::string_view separator, const TextLookup& text);

TemplatePageTexts ribTemplatePageTexts(const TextLookup& text, std::string title);
TemplatePageTexts coreTemplatePageTexts(const TextLookup& text, std::string title);
