// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/TemplateTexts.h"

#include "calc/FormatResult.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/FullSizeText.h"
#include "session/RibsMessages.h"
#include "session/UnitTexts.h"

namespace {

TemplatePageTexts pageTexts(const TextLookup& text, std::string title, TextKey note) {
    return {tilePageTexts(text, std::move(title)), text(note)};
}

} // namespace

TemplateParts ribTemplateParts(const WingSession& session, RibPartUse use, bool bothHalves,
                               double kerf) {
    const TextLookup& text = session.text();
    RibsReport report = session.calculateRibs();
    if (report.outcome != RibsOutcome::Ok)
        return {{}, ribsMessage(report, text, session.units()), {}};
    TemplateParts made;
    for (const Rib& rib : report.ribs) {
        if (!rib.problems.empty())
            made.ribProblems.push_back(rib.label + ": " + ribProblemsText(rib.problems, text));
    }
    made.parts = ribParts(bothHalves ? ribsOfBothHalves(report.ribs) : report.ribs, use, kerf);
    return made;
}

TemplateParts coreTemplateParts(const WingSession& session, std::optional<double> kerf) {
    const TextLookup& text = session.text();
    if (!session.hasValidResults())
        return {{}, text(kRibsNeedWingMessage), {}};
    const RibsDefinition& definition = session.ribs().definition();
    const CoresReport cores =
        coreTemplates(session.planform(), definition, kerf.value_or(definition.settings.coreKerf));
    if (cores.outcome != RibsOutcome::Ok)
        return {
            {},
            ribsMessage({cores.outcome, {}, cores.setting, cores.airfoil}, text, session.units()),
            {}};
    TemplateParts made;
    for (const CoreTemplate& core : cores.templates)
        made.parts.push_back(corePart(core, coreTemplateLines(core, session.displayUnits(),
                                                              session.decimalSeparator(), text)));
    return made;
}

std::vector<std::string> coreTemplateLines(const CoreTemplate& core, const DisplayUnits& units,
                                           std::string_view separator, const TextLookup& text) {
    const std::string panel = std::to_string(core.panel + 1);
    const auto line = [&](TextKey key) {
        return text(inChosenUnits(key, units.choice()));
    };
    const auto length = [&](double mm, int millimetreDecimals) {
        return formatFixed(units.length(mm), units.lengthDecimals(millimetreDecimals), separator);
    };
    return {fillIn(text(core.tip ? kCoreTipLine : kCoreRootLine), {panel, core.airfoil}),
            fillIn(line(kCoreChordLine),
                   {length(core.chord, 1), formatFixed(core.twist, 2, separator)}),
            fillIn(line(kCoreSweepLine), {length(core.sweepOffset, 1)}),
            fillIn(line(kCoreKerfLine), {length(core.kerf, 2)})};
}

TemplatePageTexts ribTemplatePageTexts(const TextLookup& text, std::string title) {
    return pageTexts(text, std::move(title), kRibTemplatesNote);
}

TemplatePageTexts coreTemplatePageTexts(const TextLookup& text, std::string title) {
    return pageTexts(text, std::move(title), kCoreTemplatesNote);
}
