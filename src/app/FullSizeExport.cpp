// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/FullSizeExport.h"

#include "app/CommandOutput.h"
#include "app/OpenedWing.h"
#include "dxf/OutlineDxf.h"
#include "i18n/TextKeys.h"
#include "session/FullSizeText.h"

#include <ostream>

std::optional<FullSizeFigure> commandFigure(const CommandRequest& request,
                                            const LanguageState& language,
                                            std::string_view decimalSeparator,
                                            const std::string& date, std::ostream& err) {
    const std::string& file = request.files.front();
    const auto wing =
        openCalculatedWing(file, decimalSeparator, language.lookup(), request.units, err);
    if (!wing)
        return std::nullopt;
    auto figure =
        fullSizeFigureOf(wing->session, {sheetTitle(request, file), date, request.bothHalves});
    if (!figure)
        err << "wingsheet: " << wing->path << ": " << language.text(kTooLargeMessage) << '\n';
    return figure;
}

int writeOutlineDxf(const CommandRequest& request, const LanguageState& language,
                    std::string_view decimalSeparator, const std::string& date, std::ostream& err) {
    const auto figure = commandFigure(request, language, decimalSeparator, date, err);
    if (!figure)
        return 1;
    return writeCommandOutput(request.outputPath, outlineDxfDocument(*figure), language.lookup(),
                              err);
}
