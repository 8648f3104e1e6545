// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/UnitTexts.h"

#include "i18n/TextKeys.h"

namespace {

struct UnitCaption {
    TextKey metric;
    TextKey imperial;
    bool namesMass;
};

constexpr UnitCaption kUnitCaptions[] = {
    {kInputsTitle, kInputsTitleInInches, false},
    {kSweepOffsetTip, kSweepOffsetTipInInches, false},
    {kTailGroupTitle, kTailGroupTitleInInches, false},
    {kTailDistanceTip, kTailDistanceTipInInches, false},
    {kTailSweepTip, kTailSweepTipInInches, false},
    {kHelpLines[0], kHelpLengthsInInches, false},
    {kHelpLines[9], kHelpWeightInOunces, true},
    {kRibsGroupTitle, kRibsGroupTitleInInches, false},
    {kSparWidthCaption, kSparWidthCaptionInInches, false},
    {kSparDepthCaption, kSparDepthCaptionInInches, false},
    {kRibStationColumn, kRibStationColumnInInches, false},
    {kRibChordColumn, kRibChordColumnInInches, false},
    {kRibDrawingDescription, kRibDrawingDescriptionInInches, false},
    {kJigHeightCaption, kJigHeightCaptionInInches, false},
    {kJigWidthCaption, kJigWidthCaptionInInches, false},
    {kCoreKerfCaption, kCoreKerfCaptionInInches, false},
    {kCoreChordLine, kCoreChordLineInInches, false},
    {kCoreSweepLine, kCoreSweepLineInInches, false},
    {kCoreKerfLine, kCoreKerfLineInInches, false},
};

} // namespace

UnitWords unitWords(const TextLookup& text) {
    if (!text)
        return {};
    return {text(kInchWord), text(kSquareInchWord), text(kOunceWord), text(kOunceLoadingWord)};
}

TextKey inChosenUnits(TextKey key, UnitChoice choice) {
    for (const UnitCaption& caption : kUnitCaptions) {
        const bool imperial =
            caption.namesMass ? choice.mass == MassUnit::Ounce : choice.length == LengthUnit::Inch;
        if (caption.metric == key)
            return imperial ? caption.imperial : key;
    }
    return key;
}
