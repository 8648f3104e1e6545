// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/SheetPdfCommand.h"

#include "app/CommandOutput.h"
#include "app/HeadlessApplication.h"
#include "app/OpenedWing.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"

#include <ostream>

int runSheetPdfCommand(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    if (request.files.size() != 1 || request.outputPath.empty()) {
        err << "wingsheet: --sheet-pdf needs an output file and one wing file\n";
        return 2;
    }
    if (!prepareOutputRun(request, language, err))
        return 2;
    const HeadlessApplication application;
    const std::string& file = request.files.front();
    const auto wing =
        openCalculatedWing(file, systemDecimalSeparator(), language.lookup(), request.units, err);
    if (!wing)
        return 1;
    const SheetInputs inputs =
        wing->session.sheetInputs(sheetTitle(request, file), todaysShortDate());
    const SheetPdf pdf = renderSheetPdf(wing->session.planform(), wing->session.results(), inputs);
    if (!pdf.outcome.printed) {
        err << "wingsheet: " << request.outputPath << ": " << pdf.outcome.failure << '\n';
        return 1;
    }
    return writeCommandOutput(request.outputPath, pdf.bytes, language.lookup(), err);
}
