// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/RibsExport.h"

#include "app/CommandOutput.h"
#include "draw/CutLayoutSvg.h"
#include "dxf/CutLayoutDxf.h"
#include "files/WingFilePath.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "session/RibsMessages.h"
#include "session/TemplateTexts.h"

#include <ostream>

namespace {

bool isCores(CommandAction action) {
    return action == CommandAction::CoresDxf || action == CommandAction::CoresPdf;
}

// Laid out one under the other, or nested on the request's sheets; nothing, after naming each
// part no sheet holds, when one is too large.
std::optional<CutLayout> layoutOf(const CommandRequest& request, const OpenedWing& wing,
                                  std::vector<CutPart> parts, std::ostream& err) {
    if (!request.nest)
        return layoutOneUnderAnother(std::move(parts), kRibSheetGap);
    NestedLayout nested = layoutOnSheets(parts, *request.nest);
    for (const std::size_t part : nested.tooLarge)
        err << "wingsheet: " << wing.path << ": " << parts[part].name
            << ": larger than a sheet with 5 mm left free around it\n";
    if (!nested.tooLarge.empty())
        return std::nullopt;
    return std::move(nested.layout);
}

} // namespace

std::optional<std::vector<CutPart>> commandParts(const CommandRequest& request,
                                                 const OpenedWing& wing, std::ostream& err) {
    const TextLookup& text = wing.session.text();
    const auto refuse = [&](const std::string& message) {
        err << "wingsheet: " << wing.path << ": " << asTerminalLines(message) << '\n';
        return std::nullopt;
    };
    if (wing.outcome.ribsProblem)
        return refuse(ribsFileMessage(*wing.outcome.ribsProblem, kRibsReadMessage, text));
    if (!wing.session.ribs().exists())
        return refuse(fillIn(text(kNoRibsMessage), {bareFileName(ribsFilePath(wing.path))}));
    TemplateParts made =
        isCores(request.action)
            ? coreTemplateParts(wing.session, request.kerf)
            : ribTemplateParts(wing.session,
                               request.action == CommandAction::RibsPdf ? RibPartUse::Paper
                                                                        : RibPartUse::Cutter,
                               request.bothHalves, request.kerf.value_or(0));
    if (!made.problem.empty())
        return refuse(made.problem);
    for (const std::string& problem : made.ribProblems)
        err << "wingsheet: " << wing.path << ": " << problem << '\n';
    return std::move(made.parts);
}

int writeCutSheet(const CommandRequest& request, const LanguageState& language,
                  std::string_view decimalSeparator, std::ostream& err) {
    const auto wing = openCalculatedWing(request.files.front(), decimalSeparator, language.lookup(),
                                         request.units, err);
    if (!wing)
        return 1;
    auto parts = commandParts(request, *wing, err);
    if (!parts)
        return 1;
    const std::optional<CutLayout> layout = layoutOf(request, *wing, std::move(*parts), err);
    if (!layout)
        return 1;
    const std::string document =
        request.action == CommandAction::RibsSvg
            ? cutLayoutSvgDocument(*layout, sheetTitle(request, wing->path))
            : cutLayoutDxfDocument(*layout);
    return writeCommandOutput(request.outputPath, document, language.lookup(), err);
}
