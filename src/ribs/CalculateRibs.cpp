// SPDX-License-Identifier: GPL-3.0-or-later

#include "ribs/CalculateRibs.h"

#include "calc/FormatResult.h"
#include "ribs/AirfoilSection.h"
#include "ribs/JigTabs.h"
#include "ribs/RibShape.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>

namespace {

// Where a panel's ends lie: its root and tip chords and leading edges, as the planform draws
// them (the root's trailing edge on the previous tip's), and its twist at both ends.
struct PanelEnds {
    double rootStation = 0;
    double length = 0;
    double rootChord = 0;
    double tipChord = 0;
    double rootLeadingEdge = 0;
    double tipLeadingEdge = 0;
    double rootTwist = 0;
    double tipTwist = 0;
};

std::vector<PanelEnds> panelEnds(const WingPlanform& planform, const PanelValues& twist) {
    std::vector<PanelEnds> ends;
    double station = 0;
    double rootTrailingEdge = planform.rootChord[0];
    for (int i = 0; i <= planform.lastPanel; ++i) {
        ends.push_back({station, planform.panelLength[i], planform.rootChord[i],
                        planform.tipChord[i], rootTrailingEdge - planform.rootChord[i],
                        planform.sweepOffset[i], i == 0 ? 0 : twist[i - 1], twist[i]});
        station += planform.panelLength[i];
        rootTrailingEdge = planform.sweepOffset[i] + planform.tipChord[i];
    }
    return ends;
}

double along(double from, double to, double fraction) {
    return from + (to - from) * fraction;
}

int intervalsOf(double length, double spacing) {
    if (spacing <= 0 || length <= spacing)
        return 1;
    return static_cast<int>(std::min(std::ceil(length / spacing - 1e-9), double{kMostRibs} + 1));
}

std::string labelOf(int panel, int number, double chord, LengthUnit unit) {
    const bool inches = unit == LengthUnit::Inch;
    std::string label = "P";
    label.append(std::to_string(panel + 1)).append(" R").append(std::to_string(number));
    return label.append("  ").append(
        formatFixed(inches ? chord / kMillimetresPerInch : chord, inches ? 2 : 1));
}

// The sections of one panel's two ends, sampled once at the stations both share.
struct PanelSections {
    std::string inner;
    std::string outer;
    ChordStations stations;
    SectionOrdinates innerOrdinates;
    SectionOrdinates outerOrdinates;
};

// Each station's section made smooth once; carried ones came from a file, the others from the
// NACA formula.
struct StationSection {
    SmoothAirfoil smooth;
    bool carried;
};
using StationSections = std::map<std::string, std::unique_ptr<StationSection>>;

const StationSection* stationSection(StationSections& made, const RibsDefinition& definition,
                                     const std::string& name) {
    auto& slot = made[name];
    if (!slot) {
        const std::optional<Airfoil> airfoil = findAirfoil(definition, name);
        if (!airfoil)
            return nullptr;
        const bool carried = std::ranges::count(definition.airfoils, *airfoil) > 0;
        slot = std::make_unique<StationSection>(StationSection{SmoothAirfoil(*airfoil), carried});
    }
    return slot.get();
}

ChordStations sharedStations(const StationSection& inner, const StationSection& outer) {
    std::vector<const Airfoil*> keep;
    for (const StationSection* section : {&inner, &outer}) {
        if (section->carried)
            keep.push_back(&section->smooth.airfoil());
    }
    return chordStations(keep);
}

// A surface's height at x, straight between its stations.
double heightBetween(const std::vector<double>& stations, const std::vector<double>& heights,
                     double x) {
    const auto next = std::ranges::upper_bound(stations, x);
    if (next == stations.begin())
        return heights.front();
    if (next == stations.end())
        return heights.back();
    const auto i = static_cast<std::size_t>(next - stations.begin());
    const double along = (x - stations[i - 1]) / (stations[i] - stations[i - 1]);
    return heights[i - 1] + (heights[i] - heights[i - 1]) * along;
}

// In chords, measured at the upper surface's stations.
double maxThicknessOf(const ChordStations& stations, const SectionOrdinates& ordinates) {
    double thickest = 0;
    for (std::size_t i = 0; i < stations.upper.size(); ++i)
        thickest =
            std::max(thickest, ordinates.upper[i] - heightBetween(stations.lower, ordinates.lower,
                                                                  stations.upper[i]));
    return thickest;
}

// The stock cuts take the section's ends away: only what lies within the sheeting's reach of the
// rest is inset, which spares Clipper the crowded points of both edges. A margin of 1 mm keeps
// the straight ends this leaves clear of the cut lines.
ChordRange sectionNeeded(const RibSettings& s, double chord) {
    const double reach = 2 * s.sheeting + 1;
    ChordRange range;
    if (s.leadingEdgeCut > reach)
        range.from = (s.leadingEdgeCut - reach) / chord;
    if (s.trailingEdgeCut > reach)
        range.to = std::max(range.from, (chord - s.trailingEdgeCut + reach) / chord);
    return range;
}

} // namespace

std::vector<RibStation> ribStations(const WingPlanform& planform, const RibSettings& settings) {
    std::vector<RibStation> stations;
    const std::vector<PanelEnds> ends = panelEnds(planform, settings.twist);
    for (int panel = 0; panel <= planform.lastPanel; ++panel) {
        const bool last = panel == planform.lastPanel;
        const PanelEnds& end = ends[panel];
        if (end.length <= 0 && !last)
            continue; // its root rib would stand where the next panel's stands
        const int intervals = intervalsOf(end.length, settings.spacing);
        for (int k = 0; k < intervals + (last ? 1 : 0); ++k) {
            const double fraction = static_cast<double>(k) / intervals;
            stations.push_back({panel, k + 1, fraction, end.rootStation + end.length * fraction,
                                along(end.rootChord, end.tipChord, fraction),
                                along(end.rootLeadingEdge, end.tipLeadingEdge, fraction),
                                along(end.rootTwist, end.tipTwist, fraction)});
        }
        if (static_cast<int>(stations.size()) > kMostRibs)
            break;
    }
    return stations;
}

std::vector<RibStation> panelEndStations(const WingPlanform& planform,
                                         const RibSettings& settings) {
    std::vector<RibStation> stations;
    const std::vector<PanelEnds> ends = panelEnds(planform, settings.twist);
    for (int panel = 0; panel <= planform.lastPanel; ++panel) {
        const PanelEnds& end = ends[panel];
        if (end.length <= 0)
            continue;
        stations.push_back(
            {panel, 1, 0, end.rootStation, end.rootChord, end.rootLeadingEdge, end.rootTwist});
        stations.push_back({panel, 2, 1, end.rootStation + end.length, end.tipChord,
                            end.tipLeadingEdge, end.tipTwist});
    }
    return stations;
}

RibsReport calculateRibs(const WingPlanform& planform, const RibsDefinition& definition,
                         LengthUnit labelUnit) {
    if (const std::optional<RibSettingFault> fault = checkRibSettings(definition.settings))
        return {RibsOutcome::SettingOutOfRange, {}, fault, {}};
    const std::vector<RibStation> places = ribStations(planform, definition.settings);
    if (static_cast<int>(places.size()) > kMostRibs)
        return {RibsOutcome::TooManyRibs, {}, std::nullopt, {}};
    return calculateRibsAt(planform, definition, places, labelUnit);
}

RibsReport calculateRibsAt(const WingPlanform& planform, const RibsDefinition& definition,
                           const std::vector<RibStation>& places, LengthUnit labelUnit) {
    RibsReport report;
    const RibSettings& settings = definition.settings;
    if ((report.setting = checkRibSettings(settings))) {
        report.outcome = RibsOutcome::SettingOutOfRange;
        return report;
    }
    StationSections made;
    std::vector<PanelSections> sections;
    for (int panel = 0; panel <= planform.lastPanel; ++panel) {
        PanelSections panelSections{stationAirfoilName(definition, panel),
                                    stationAirfoilName(definition, panel + 1),
                                    {},
                                    {},
                                    {}};
        const StationSection* inner = stationSection(made, definition, panelSections.inner);
        const StationSection* outer = stationSection(made, definition, panelSections.outer);
        if (!inner || !outer) {
            report.outcome = RibsOutcome::UnknownAirfoil;
            report.airfoil = inner ? panelSections.outer : panelSections.inner;
            return report;
        }
        panelSections.stations = sharedStations(*inner, *outer);
        panelSections.innerOrdinates = inner->smooth.ordinatesAt(panelSections.stations);
        panelSections.outerOrdinates = outer->smooth.ordinatesAt(panelSections.stations);
        sections.push_back(std::move(panelSections));
    }

    for (const RibStation& place : places) {
        const PanelSections& section = sections[place.panel];
        Rib rib;
        rib.panel = place.panel;
        rib.number = place.number;
        rib.station = place.station;
        rib.chord = place.chord;
        rib.leadingEdgeX = place.leadingEdgeX;
        rib.twist = place.twist;
        rib.innerAirfoil = section.inner;
        rib.outerAirfoil = section.outer;
        rib.blend = place.fraction;
        rib.label = labelOf(rib.panel, rib.number, rib.chord, labelUnit);
        const SectionOrdinates ordinates =
            blendOrdinates(section.innerOrdinates, section.outerOrdinates, rib.blend);
        rib.maxThickness = std::max(0.0, maxThicknessOf(section.stations, ordinates) * rib.chord -
                                             2 * settings.sheeting);
        shapeRib(sectionOutline(section.stations, ordinates, rib.chord,
                                sectionNeeded(settings, rib.chord)),
                 settings, rib);
        report.ribs.push_back(std::move(rib));
    }
    addJigTabs(report.ribs, settings);
    return report;
}
