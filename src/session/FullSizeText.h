// SPDX-License-Identifier: GPL-3.0-or-later
// The words of the full-size plan in the session's language: the figure's text block (title,
// file, date, the seven results with their units and, with stability data, the neutral point,
// the margin and the balance for it) and the texts around each printed page.
#pragma once

#include "draw/FullSizeFigure.h"
#include "draw/TilePage.h"
#include "i18n/TextKeys.h"
#include "session/WingSession.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

struct FullSizeRequest {
    std::string title;
    std::string date; // already in the locale's short form
    bool bothHalves = false;
};

// A caption as a line label: some languages end it in " :", the program adds its own.
std::string bareCaption(std::string caption);

// The seven results as the command line and the full-size text list them, each with its caption.
struct ResultRow {
    TextKey caption;
    std::string ResultTexts::*value;
};
inline constexpr std::array<ResultRow, 7> kResultRows{{
    {kSpanCaption, &ResultTexts::span},
    {kAreaCaption, &ResultTexts::area},
    {kAspectRatioCaption, &ResultTexts::aspectRatio},
    {kMeanChordStationCaption, &ResultTexts::meanChordStation},
    {kBalanceDistanceCaption, &ResultTexts::balanceDistance},
    {kMeanChordCaption, &ResultTexts::meanChord},
    {kWingLoadingCaption, &ResultTexts::wingLoading},
}};

std::vector<std::string> fullSizeTextLines(const WingSession& session, const std::string& title,
                                           const std::string& date);

// The figure of the session's last calculation, with the stability ticks when the session's
// stability data calculate and the rib stations when it has ribs; nothing when it cannot be drawn
// (see buildFullSizeFigure). The caller checks hasValidResults first.
std::optional<FullSizeFigure> fullSizeFigureOf(const WingSession& session,
                                               const FullSizeRequest& request);

TilePageTexts tilePageTexts(const TextLookup& text, std::string title);
