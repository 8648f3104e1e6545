// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/AccessibleNames.h"

#include "calc/ResultTexts.h"
#include "i18n/TextKeys.h"
#include "session/AccessibleTexts.h"
#include "ui/common/LanguageText.h"
#include "ui/common/WingField.h"
#include "ui/main/MainWindowControls.h"
#include "ui/main/PlanformPreview.h"

#include <QLabel>
#include <utility>

namespace {

void nameFields(MainWindowControls& c, const TextLookup& text) {
    const std::pair<WingInput, const PanelFields*> rows[] = {
        {WingInput::RootChord, &c.rootChordFields},
        {WingInput::TipChord, &c.tipChordFields},
        {WingInput::PanelLength, &c.panelLengthFields},
        {WingInput::SweepOffset, &c.sweepOffsetFields},
    };
    for (const auto& [input, fields] : rows) {
        for (int panel = 0; panel < kPanelCount; ++panel)
            (*fields)[panel]->setAccessibleName(fromUtf8(fieldName({input, panel}, text)));
    }
    c.balanceField->setAccessibleName(fromUtf8(fieldName({WingInput::Balance}, text)));
    c.massField->setAccessibleName(fromUtf8(fieldName({WingInput::Mass}, text)));
}

// The value label alone would be read as a bare number.
void nameResults(MainWindowControls& c) {
    const std::pair<QLabel*, QLabel*> results[] = {
        {c.spanCaption, c.spanValue},
        {c.areaCaption, c.areaValue},
        {c.aspectRatioCaption, c.aspectRatioValue},
        {c.meanChordStationCaption, c.meanChordStationValue},
        {c.meanChordCaption, c.meanChordValue},
        {c.balanceDistanceCaption, c.balanceDistanceValue},
        {c.wingLoadingCaption, c.wingLoadingValue},
    };
    for (const auto& [caption, value] : results)
        value->setAccessibleName(
            fromUtf8(resultName(caption->text().toStdString(), value->text().toStdString())));
}

// Described from what the labels show, which is the drawing's wing even after a refused one,
// and from the neutral point the drawing marks.
void describePreview(MainWindowControls& c, const TextLookup& text, const DisplayUnits& units,
                     std::string_view decimalSeparator) {
    std::optional<ResultTexts> shown;
    std::string neutralPoint;
    if (!c.preview->isBlank()) {
        shown.emplace();
        shown->span = c.spanValue->text().toStdString();
        shown->meanChordStation = c.meanChordStationValue->text().toStdString();
        shown->balanceDistance = c.balanceDistanceValue->text().toStdString();
        if (const std::optional<double> marked = c.preview->neutralPointX())
            neutralPoint = units.lengthResult(*marked, decimalSeparator);
    }
    c.preview->setAccessibleName(fromUtf8(text(kPreviewName)));
    c.preview->setAccessibleDescription(fromUtf8(previewDescription(shown, text, neutralPoint)));
}

} // namespace

void nameMainWindowControls(MainWindowControls& c, const TextLookup& text,
                            const DisplayUnits& units, std::string_view decimalSeparator) {
    nameFields(c, text);
    nameResults(c);
    describePreview(c, text, units, decimalSeparator);
}
