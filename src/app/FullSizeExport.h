// SPDX-License-Identifier: GPL-3.0-or-later
// What the full-size actions of the command line share: the one wing file opened, calculated
// and made into its full-size figure, and the output written through writeCommandOutput ("-" is
// standard output). --export-dxf runs here, without a window system.
#pragma once

#include "app/CommandLine.h"
#include "draw/FullSizeFigure.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

// The figure of the request's wing file, titled as the request says; nothing, with the reason
// on err, when the file cannot be calculated or drawn.
std::optional<FullSizeFigure> commandFigure(const CommandRequest& request,
                                            const LanguageState& language,
                                            std::string_view decimalSeparator,
                                            const std::string& date, std::ostream& err);

int writeOutlineDxf(const CommandRequest& request, const LanguageState& language,
                    std::string_view decimalSeparator, const std::string& date, std::ostream& err);
