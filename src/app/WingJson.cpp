// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/WingJson.h"

#include "draw/SheetStabilityLine.h"

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

// The fields as a window in these units shows them.
WingFields shownFields(const WingFields& stored, const DisplayUnits& units,
                       std::string_view separator) {
    const auto shown = [&](const std::string& text, FieldQuantity quantity) {
        return units.shownText(text, quantity, separator);
    };
    WingFields fields = stored;
    for (PanelTexts* row :
         {&fields.rootChord, &fields.tipChord, &fields.panelLength, &fields.sweepOffset}) {
        for (std::string& text : *row)
            text = shown(text, FieldQuantity::Length);
    }
    fields.mass = shown(fields.mass, FieldQuantity::Mass);
    return fields;
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

Json displayJson(const OpenedWing& wing) {
    const WingSession& session = wing.session;
    const DisplayUnits units = session.displayUnits();
    const std::string& separator = session.decimalSeparator();
    Json json = {{"units", unitName(units.choice().length)},
                 {"mass", unitName(units.choice().mass)},
                 {"fields", fieldsJson(shownFields(session.fields(), units, separator))}};
    if (wing.outcome.calculated())
        json["labels"] = labelsJson(session.resultTexts());
    if (const auto stability = session.stabilityResults())
        json["stability"] = {
            {"neutralPoint",
             placeText(stability->neutralPoint, stability->neutralPointPercent, units, separator)},
            {"balanceForMargin", placeText(stability->balanceForMargin,
                                           stability->balanceForMarginPercent, units, separator)}};
    return json;
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
