// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/FullSizeText.h"

#include "draw/SheetStabilityLine.h"
#include "draw/TileEdges.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/AccessibleTexts.h"

namespace {

// A session made without a language shows the keys' fall-backs, as a missing file does.
std::string lookUp(const TextLookup& text, TextKey key) {
    return text ? text(key) : std::string(key.fallback);
}

std::string line(const TextLookup& text, TextKey caption, const std::string& value) {
    return bareCaption(lookUp(text, caption)) + " : " + std::string(withoutOuterSpaces(value));
}

// Where the ticks on the mean chord's station are, as the sheet's stability line gives them.
void addStabilityLines(const WingSession& session, const StabilityResults& stability,
                       std::vector<std::string>& lines) {
    const TextLookup& text = session.text();
    const std::string& separator = session.decimalSeparator();
    const DisplayUnits units = session.displayUnits();
    lines.push_back(
        line(text, kNeutralPointCaption,
             placeText(stability.neutralPoint, stability.neutralPointPercent, units, separator)));
    lines.push_back(line(text, kMarginCaption, compactResult(stability.margin, separator) + " %"));
    lines.push_back(line(text, kBalanceForMarginCaption,
                         placeText(stability.balanceForMargin, stability.balanceForMarginPercent,
                                   units, separator)));
}

} // namespace

std::string bareCaption(std::string caption) {
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':'))
        caption.pop_back();
    return caption;
}

std::vector<std::string> fullSizeTextLines(const WingSession& session, const std::string& title,
                                           const std::string& date) {
    const TextLookup& text = session.text();
    const ResultTexts results = session.resultTexts();
    std::vector<std::string> lines{line(text, kSheetTitleCaption, title)};
    // Titled after its file, as the command line does by default, the wing needs no file line.
    if (!session.fileName().empty() && session.fileName() != title)
        lines.push_back(line(text, kFileCaption, session.fileName()));
    lines.push_back(line(text, kSheetDateCaption, date));
    for (const ResultRow& row : kResultRows)
        lines.push_back(line(text, row.caption, results.*row.value));
    if (const auto stability = session.stabilityResults())
        addStabilityLines(session, *stability, lines);
    return lines;
}

std::optional<FullSizeFigure> fullSizeFigureOf(const WingSession& session,
                                               const FullSizeRequest& request) {
    FullSizeOptions options;
    options.bothHalves = request.bothHalves;
    options.textLines = fullSizeTextLines(session, request.title, request.date);
    if (const auto stability = session.stabilityResults())
        options.stability = FigureStability{stability->neutralPoint, stability->balanceForMargin};
    options.ribs = session.ribStations();
    return buildFullSizeFigure(session.planform(), session.results(), options);
}

TilePageTexts tilePageTexts(const TextLookup& text, std::string title) {
    return {std::move(title),
            lookUp(text, kPageOfPages),
            lookUp(text, kRulerNote),
            lookUp(text, kAssemblyHeading),
            fillIn(lookUp(text, kCutAndLayNote), {kScissors}),
            lookUp(text, kMapKeyNote)};
}
