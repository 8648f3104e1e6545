// SPDX-License-Identifier: GPL-3.0-or-later

#include "session/AccessibleTexts.h"

#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"

namespace {

TextKey captionOf(WingInput input) {
    switch (input) {
    case WingInput::RootChord:
        return kRootChordCaption;
    case WingInput::TipChord:
        return kTipChordCaption;
    case WingInput::PanelLength:
        return kPanelLengthCaption;
    case WingInput::SweepOffset:
        return kSweepOffsetCaption;
    case WingInput::Balance:
        return kBalanceCaption;
    case WingInput::Mass:
        break;
    }
    return kMassCaption;
}

} // namespace

// Result texts carry the blanks of their layout; spoken, they only pause.
std::string_view withoutOuterSpaces(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string withoutColon(std::string_view caption) {
    constexpr std::string_view kNoBreakSpace = "\xC2\xA0";
    for (;;) {
        if (caption.ends_with(' ') || caption.ends_with(':') || caption.ends_with('\t'))
            caption.remove_suffix(1);
        else if (caption.ends_with(kNoBreakSpace))
            caption.remove_suffix(kNoBreakSpace.size());
        else
            return std::string(caption);
    }
}

std::string fieldName(InputField field, const TextLookup& text) {
    std::string caption = withoutColon(text(captionOf(field.input)));
    if (field.input == WingInput::Balance || field.input == WingInput::Mass)
        return caption;
    return fillIn(text(kPanelFieldName), {caption, std::to_string(field.panel + 1)});
}

std::string tailFieldName(InputField field, const TextLookup& text) {
    return fillIn(text(kTailFieldName),
                  {withoutColon(text(captionOf(field.input))), std::to_string(field.panel + 1)});
}

std::string resultName(std::string_view caption, std::string_view value) {
    const std::string_view shown = withoutOuterSpaces(value);
    if (shown.empty())
        return withoutColon(caption);
    return std::string(withoutOuterSpaces(caption)) + " " + std::string(shown);
}

std::string previewDescription(const std::optional<ResultTexts>& shown, const TextLookup& text,
                               std::string_view neutralPoint) {
    if (!shown)
        return text(kEmptyPreviewDescription);
    std::string description =
        fillIn(text(kPreviewDescription),
               {withoutOuterSpaces(shown->span), withoutOuterSpaces(shown->meanChordStation),
                withoutOuterSpaces(shown->balanceDistance)});
    if (!withoutOuterSpaces(neutralPoint).empty())
        description.append(" ").append(
            fillIn(text(kPreviewNeutralPointDescription), {withoutOuterSpaces(neutralPoint)}));
    return description;
}
