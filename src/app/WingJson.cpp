// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WingJson.h"

namespace {

using Json = nlohmann::ordered_json;

// Per-panel arrays of the results are written for the panels the calculation used.
Json usedEntries(const PanelValues& values, int lastPanel) {
    Json entries = Json::array();
    for (int i = 0; i <= lastPanel; ++i)
        entries.push_back(values[i]);
    return entries;
}

Json fieldsJson(const WingFields& fields) {
    return {{"C_max", fields.rootChord},    {"C_min", fields.tipChord},
            {"L_trap", fields.panelLength}, {"deport", fields.sweepOffset},
            {"Cg", fields.balancePercent},  {"masse", fields.mass}};
}

Json planformJson(const WingPlanform& planform) {
    return {{"rootChord", planform.rootChord},
            {"tipChord", planform.tipChord},
            {"panelLength", planform.panelLength},
            {"sweepOffset", planform.sweepOffset},
            {"balancePercent", planform.balancePercent},
            {"massGrams", planform.massGrams},
            {"lastPanel", planform.lastPanel}};
}

Json resultsJson(const WingResults& results, int lastPanel) {
    return {{"tipStation", usedEntries(results.tipStation, lastPanel)},
            {"panelArea", usedEntries(results.panelArea, lastPanel)},
            {"cumulativeArea", usedEntries(results.cumulativeArea, lastPanel)},
            {"taperRatio", usedEntries(results.taperRatio, lastPanel)},
            {"meanChord", usedEntries(results.meanChord, lastPanel)},
            {"meanChordY", usedEntries(results.meanChordY, lastPanel)},
            {"meanChordX", usedEntries(results.meanChordX, lastPanel)},
            {"balanceX", usedEntries(results.balanceX, lastPanel)},
            {"halfSpan", results.halfSpan},
            {"halfArea", results.halfArea},
            {"aspectRatio", results.aspectRatio},
            {"wingLoading", results.wingLoading}};
}

Json labelsJson(const ResultTexts& texts) {
    return {{"Lbenv", texts.span},
            {"Lbsurf", texts.area},
            {"Lballong", texts.aspectRatio},
            {"Lbdist_x", texts.meanChordStation},
            {"Lbdistcentr", texts.balanceDistance},
            {"Lbcmoy", texts.meanChord},
            {"LbafficheCA", texts.wingLoading}};
}

} // namespace

std::string_view outcomeName(const OpenedWing& wing) {
    if (wing.outcome.fileError)
        return "FileError";
    switch (wing.outcome.report.outcome) {
    case CalcOutcome::Ok:
        return "Ok";
    case CalcOutcome::PanelError:
        return "PanelError";
    case CalcOutcome::BalanceError:
        return "BalanceError";
    case CalcOutcome::GapInChain:
        return "GapInChain";
    case CalcOutcome::NegativeValue:
        return "NegativeValue";
    case CalcOutcome::ValueTooLarge:
        return "ValueTooLarge";
    case CalcOutcome::ArithmeticFailure:
        break;
    }
    return "ArithmeticFailure";
}

Json wingJson(const OpenedWing& wing) {
    const WingSession& session = wing.session;
    Json json = {{"file", wing.path},
                 {"outcome", outcomeName(wing)},
                 {"message", outcomeMessage(wing)},
                 {"fields", fieldsJson(session.fields())},
                 {"planform", planformJson(session.planform())}};
    if (wing.outcome.calculated()) {
        json["labels"] = labelsJson(session.resultTexts());
        json["results"] = resultsJson(session.results(), session.planform().lastPanel);
    }
    return json;
}
