// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/TemplatesCommand.h"

#include "app/CommandOutput.h"
#include "app/HeadlessApplication.h"
#include "app/RibsExport.h"
#include "i18n/TextKeys.h"
#include "print/ByteView.h"
#include "print/SystemLocale.h"
#include "print/TemplatePrinter.h"
#include "session/TemplateTexts.h"

#include <ostream>

int runTemplatesCommand(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    if (!prepareOutputRun(request, language, err))
        return 2;
    const HeadlessApplication application;
    const auto wing = openCalculatedWing(request.files.front(), systemDecimalSeparator(),
                                         language.lookup(), request.units, err);
    if (!wing)
        return 1;
    const auto parts = commandParts(request, *wing, err);
    if (!parts)
        return 1;
    const std::string title = sheetTitle(request, wing->path);
    const TemplatePageTexts texts = request.action == CommandAction::CoresPdf
                                        ? coreTemplatePageTexts(language.lookup(), title)
                                        : ribTemplatePageTexts(language.lookup(), title);
    const QPageSize paper(request.paper == "Letter" ? QPageSize::Letter : QPageSize::A4);
    const TilePrintOutcome outcome = templatesPdf(*parts, paper, texts);
    if (!outcome.printed) {
        err << "wingsheet: " << request.outputPath << ": "
            << (outcome.tooLarge ? language.text(kTemplatesTooLargeMessage) : outcome.failure)
            << '\n';
        return 1;
    }
    return writeCommandOutput(request.outputPath, bytesOf(outcome.pdf), language.lookup(), err);
}
