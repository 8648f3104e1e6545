#include "app/WingJson.h"

namespace {

using Json = nlohmann::ordered_json;

// Per-panel arrays of the results are written for the panels the calculation used.
Json UsedEntries(const PanelValues& values, int lastPanel) {
    Json entries = Json::array();
    for (int i = 0; i <= lastPanel; ++i)
        entries.push_back(values[i]);
    return entries;
}

Json FieldsJson(const WingFields& fields) {
    return {{"C_max", fields.C_max},   {"C_min", fields.C_min}, {"L_trap", fields.L_trap},
            {"deport", fields.deport}, {"Cg", fields.Cg},       {"masse", fields.masse}};
}

Json PlanformJson(const WingPlanform& planform) {
    return {{"rootChord", planform.rootChord},
            {"tipChord", planform.tipChord},
            {"panelLength", planform.panelLength},
            {"sweepOffset", planform.sweepOffset},
            {"balancePercent", planform.balancePercent},
            {"massGrams", planform.massGrams},
            {"lastPanel", planform.lastPanel}};
}

Json ResultsJson(const WingResults& results, int lastPanel) {
    return {{"tipStation", UsedEntries(results.tipStation, lastPanel)},
            {"panelArea", UsedEntries(results.panelArea, lastPanel)},
            {"cumulativeArea", UsedEntries(results.cumulativeArea, lastPanel)},
            {"taperRatio", UsedEntries(results.taperRatio, lastPanel)},
            {"meanChord", UsedEntries(results.meanChord, lastPanel)},
            {"meanChordY", UsedEntries(results.meanChordY, lastPanel)},
            {"meanChordX", UsedEntries(results.meanChordX, lastPanel)},
            {"balanceX", UsedEntries(results.balanceX, lastPanel)},
            {"halfSpan", results.halfSpan},
            {"halfArea", results.halfArea},
            {"aspectRatio", results.aspectRatio},
            {"wingLoading", results.wingLoading}};
}

Json LabelsJson(const ResultTexts& texts) {
    return {{"Lbenv", texts.Lbenv},
            {"Lbsurf", texts.Lbsurf},
            {"Lballong", texts.Lballong},
            {"Lbdist_x", texts.Lbdist_x},
            {"Lbdistcentr", texts.Lbdistcentr},
            {"Lbcmoy", texts.Lbcmoy},
            {"LbafficheCA", texts.LbafficheCA}};
}

} // namespace

std::string_view OutcomeName(const OpenedWing& wing) {
    if (wing.outcome.fileError)
        return "FileError";
    switch (wing.outcome.report.outcome) {
    case CalcOutcome::Ok:
        return "Ok";
    case CalcOutcome::PanelError:
        return "PanelError";
    case CalcOutcome::BalanceError:
        return "BalanceError";
    case CalcOutcome::ArithmeticFailure:
        break;
    }
    return "ArithmeticFailure";
}

Json WingJson(const OpenedWing& wing) {
    const WingSession& session = wing.session;
    Json json = {{"file", wing.path},
                 {"outcome", OutcomeName(wing)},
                 {"message", outcomeMessage(wing)},
                 {"fields", FieldsJson(session.fields())},
                 {"planform", PlanformJson(session.planform())}};
    if (wing.outcome.calculated()) {
        json["labels"] = LabelsJson(session.resultTexts());
        json["results"] = ResultsJson(session.results(), session.planform().lastPanel);
    }
    return json;
}
