// SPDX-License-Identifier: GPL-3.0-or-later
// The command-line actions of wingsheet: calculate, draw and print wing files without opening
// the window.
#pragma once

#include "app/DrawingJson.h"
#include "calc/DisplayUnits.h"
#include "geometry/Nesting.h"
#include "i18n/LanguageState.h"

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class CommandAction {
    Window,
    Calc,
    PreviewSvg,
    SheetPdf,
    ExportDxf,
    ExportSvg,
    TilesPdf,
    RibsDxf,
    RibsSvg,
    RibsPdf,
    CoresPdf,
    CoresDxf,
    Help,
    Version,
    UsageError
};

struct CommandRequest {
    CommandAction action = CommandAction::Window;
    bool json = false;
    std::string language; // --lang: this run only, tz.ini stays as it is
    // The wing files; the window opens at most one.
    std::vector<std::string> files;
    std::string outputPath; // --preview-svg OUT.svg, --sheet-pdf OUT.pdf, --ribs-dxf OUT.dxf...
    std::string title;      // --title: the sheet's title, the file's bare name by default
    bool titleGiven = false;
    std::string paper = "A4";         // --paper A4|Letter for --tiles-pdf, as written in the usage
    bool bothHalves = false;          // --both-halves: the full-size figure of the whole wing
    std::optional<NestingSheet> nest; // --nest WIDTHxHEIGHT: the cutter's sheets, mm
    std::optional<double> kerf;       // --kerf MM: the laser's or the hot wire's
    UnitChoice units; // --units mm|in and --mass g|oz: the texts' units, never the files'
    bool unitsGiven = false;
    std::string problem; // why the arguments were refused
};

CommandRequest parseCommandLine(const std::vector<std::string>& arguments);

// Messages break lines with "\r" as a message box does; a terminal needs "\n".
std::string asTerminalLines(std::string_view text);

// Makes the language of the run current, so that every caption and message comes from one
// language: --lang, else the one remembered in tz.ini, else English. False, with the languages
// there are on err, when --lang names a language that has no file.
bool selectRunLanguage(const CommandRequest& request, LanguageState& language, std::ostream& err);

// What every action that writes a file does first: it makes sure the output replaces none of its
// inputs (see OutputGuard.h), then chooses the language. False: stop with status 2.
bool prepareOutputRun(const CommandRequest& request, LanguageState& language, std::ostream& err);

// The sheet's title for a wing file: --title, else the file's bare name.
std::string sheetTitle(const CommandRequest& request, const std::string& file);

// Runs a plain action (everything but the window and the actions that print or draw through Qt:
// --sheet-pdf, --export-svg, --tiles-pdf, --ribs-pdf, --cores-pdf)
// and returns the exit status:
// 0 every file calculated, 1 some did not, 2 the arguments were wrong. It stops at the first
// failure of `out`; the caller checks that (finishStandardOutput).
int runCommand(const CommandRequest& request, LanguageState& language,
               std::string_view decimalSeparator, const SheetContext& sheet, std::ostream& out,
               std::ostream& err);
