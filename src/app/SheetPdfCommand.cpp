#include "app/SheetPdfCommand.h"

#include "app/HeadlessApplication.h"
#include "app/OpenedWing.h"
#include "calc/ResultTexts.h"
#include "print/SheetPrinter.h"
#include "print/SystemLocale.h"
#include "app/WingJson.h"

#include <QFile>
#include <ostream>

int RunSheetPdfCommand(const CommandRequest& request, std::ostream& err) {
    if (request.files.size() != 1 || request.outputPath.empty()) {
        err << "wingsheet: --sheet-pdf needs an output file and one wing file\n";
        return 2;
    }
    const HeadlessApplication application;
    SelectRunLanguage(request, err);
    const std::string& file = request.files.front();
    const std::string separator = SystemDecimalSeparator();
    const OpenedWing wing = OpenWing(file, separator);
    if (OutcomeName(wing) != "Ok") {
        err << "wingsheet: " << file << ": " << AsTerminalLines(OutcomeMessage(wing)) << '\n';
        return 1;
    }
    const ResultTexts texts = MakeResultTexts(wing.planform, wing.results, separator);
    const SheetInputs inputs = CurrentSheetInputs(SheetTitle(request, file), texts.LbafficheCA);
    const SheetPrintOutcome outcome =
        imprime(wing.planform, wing.results, inputs,
                SheetTarget::Pdf(QFile::decodeName(request.outputPath.c_str())));
    if (!outcome.printed) {
        err << "wingsheet: " << request.outputPath << ": " << outcome.failure << '\n';
        return 1;
    }
    return 0;
}
