// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "app/CommandOutput.h"
#include "app/FullSizeExport.h"
#include "app/FullSizeJson.h"
#include "app/OutputGuard.h"
#include "app/RibsExport.h"
#include "app/RibsJson.h"
#include "app/StabilityJson.h"
#include "app/WingJson.h"
#include "base/TextEncoding.h"
#include "draw/DrawPreview.h"
#include "draw/SvgCanvas.h"
#include "files/WingFilePath.h"
#include "i18n/LanguageName.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"
#include "ribs/RibSettings.h"
#include "session/FullSizeText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <initializer_list>
#include <optional>
#include <ostream>

namespace {

constexpr std::string_view kUsage =
    "Usage: wingsheet [FILE]               start the window; FILE opens as File > Open does\n"
    "       wingsheet --calc [--json] [--lang NAME] [--units mm|in] [--mass g|oz] [--] FILE...\n"
    "                                      calculate wing files as File > Open does\n"
    "       wingsheet --preview-svg OUT.svg [--lang NAME] [--] FILE\n"
    "                                      draw the preview of a wing file as SVG\n"
    "       wingsheet --sheet-pdf OUT.pdf [--title TEXT] [--lang NAME] [--] FILE\n"
    "                                      print the sheet of a wing file into a PDF\n"
    "       wingsheet --export-dxf OUT.dxf [--both-halves] [--title TEXT] [--lang NAME] [--] FILE\n"
    "       wingsheet --export-svg OUT.svg [--both-halves] [--title TEXT] [--lang NAME] [--] FILE\n"
    "                                      the wing's outline at full size, in millimetres\n"
    "       wingsheet --tiles-pdf OUT.pdf [--paper A4|Letter] [--both-halves] [--title TEXT]\n"
    "                 [--lang NAME] [--] FILE\n"
    "                                      the wing at 1:1, tiled over pages, into a PDF\n"
    "       wingsheet --ribs-dxf OUT.dxf [--nest WxH] [--kerf MM] [--both-halves] [--lang NAME]\n"
    "                 [--] FILE\n"
    "       wingsheet --ribs-svg OUT.svg [--nest WxH] [--kerf MM] [--both-halves] [--title TEXT]\n"
    "                 [--lang NAME] [--] FILE\n"
    "                                      every rib the .ribs beside FILE defines, one under\n"
    "                                      another or nested on sheets: outlines on CUT, labels\n"
    "                                      and marks on ENGRAVE, sheets on SHEET\n"
    "       wingsheet --ribs-pdf OUT.pdf [--paper A4|Letter] [--both-halves] [--title TEXT]\n"
    "                 [--lang NAME] [--] FILE\n"
    "                                      the rib templates at 1:1, packed on pages\n"
    "       wingsheet --cores-pdf OUT.pdf [--paper A4|Letter] [--kerf MM] [--title TEXT]\n"
    "                 [--lang NAME] [--] FILE\n"
    "       wingsheet --cores-dxf OUT.dxf [--nest WxH] [--kerf MM] [--lang NAME] [--] FILE\n"
    "                                      each panel's root and tip template for a hot wire\n"
    "       wingsheet --help | --version\n"
    "\n"
    "  --json       one JSON object per file and line\n"
    "               (with a .ribs beside the wing, its ribs too)\n"
    "  --lang NAME  use NAME.lng for this run, not the language stored in tz.ini (or English)\n"
    "  --title TEXT the sheet's or the plan's title; the file's name when not given\n"
    "  --both-halves  the whole wing, the half-wing and its mirror image (also --calc --json);\n"
    "               for the ribs, each rib twice, labelled L and R\n"
    "  --nest WxH   pack the parts on sheets W by H mm (600x300), 5 mm apart and from the edges\n"
    "  --kerf MM    grow the outlines by half the cutter's kerf (for the foam cores, the hot\n"
    "               wire's; CoreKerf of the .ribs by default)\n"
    "  --units mm|in  the lengths of the printed texts (--calc, sheet, plan, rib labels)\n"
    "  --mass g|oz    the mass and the wing loading likewise; --calc --json then adds \"display\"\n"
    "  --           ends the options: every later argument is a file\n"
    "  -            as FILE reads the wing from standard input, as OUT writes to standard output\n"
    "Exit status: 0 every file calculated, 1 some did not or the output could not be\n"
    "written, 2 wrong arguments (an output that is the input file among them).\n";

CommandRequest refuse(std::string problem) {
    CommandRequest request;
    request.action = CommandAction::UsageError;
    request.problem = std::move(problem);
    return request;
}

// The seven result captions in output order, looked up once for a whole run of files; a caption
// may already end in " :" in some languages, and the line adds its own.
using ResultCaptions = std::array<std::string, kResultRows.size()>;

ResultCaptions lookUpResultCaptions(const LanguageState& language) {
    ResultCaptions captions;
    for (std::size_t i = 0; i < kResultRows.size(); ++i)
        captions[i] = bareCaption(language.text(kResultRows[i].caption));
    return captions;
}

void printWingText(const OpenedWing& wing, const ResultCaptions& captions, std::ostream& out) {
    out << wing.path << '\n';
    if (!wing.outcome.calculated()) {
        out << asTerminalLines(outcomeMessage(wing)) << "\n\n";
        return;
    }
    const ResultTexts texts = wing.session.resultTexts(); // in the session's units
    for (std::size_t i = 0; i < captions.size(); ++i)
        out << captions[i] << " : " << texts.*kResultRows[i].value << '\n';
    out << '\n';
}

// The preview of one wing file as an SVG in the preview's own twips.
int writePreviewSvg(const CommandRequest& request, const LanguageState& language,
                    std::string_view separator, std::ostream& err) {
    const auto wing =
        openCalculatedWing(request.files.front(), separator, language.lookup(), {}, err);
    if (!wing)
        return 1;
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const PreviewOutcome outcome =
        drawPreview(wing->session.planform(), wing->session.results(), canvas,
                    wing->session.neutralPoint(), wing->session.ribStations());
    if (!outcome.drawn) {
        err << "wingsheet: " << wing->path << ": nothing drawn, " << outcome.skippedReason << '\n';
        return 1;
    }
    return writeCommandOutput(request.outputPath, canvas.document(), language.lookup(), err);
}

} // namespace

std::string asTerminalLines(std::string_view text) {
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        if (text[pos] != '\r') {
            lines += text[pos];
            continue;
        }
        lines += '\n';
        if (pos + 1 < text.size() && text[pos + 1] == '\n')
            ++pos;
    }
    return lines;
}

namespace {

// The options that name an output file, and the action each stands for.
struct OutputOption {
    std::string_view option;
    CommandAction action;
};
constexpr OutputOption kOutputOptions[] = {
    {"--preview-svg", CommandAction::PreviewSvg}, {"--sheet-pdf", CommandAction::SheetPdf},
    {"--export-dxf", CommandAction::ExportDxf},   {"--export-svg", CommandAction::ExportSvg},
    {"--tiles-pdf", CommandAction::TilesPdf},     {"--ribs-dxf", CommandAction::RibsDxf},
    {"--ribs-svg", CommandAction::RibsSvg},       {"--ribs-pdf", CommandAction::RibsPdf},
    {"--cores-pdf", CommandAction::CoresPdf},     {"--cores-dxf", CommandAction::CoresDxf},
};

const OutputOption* outputOption(const std::string& option) {
    for (const OutputOption& output : kOutputOptions) {
        if (output.option == option)
            return &output;
    }
    return nullptr;
}

// A length in mm as the options take it: a plain number with a point, 0 up to a kilometre.
std::optional<double> lengthOf(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !(value >= 0 && value <= kLargestRibLength))
        return std::nullopt;
    return value;
}

// Options that take the next argument as their value.
bool takesValue(const std::string& option) {
    return option == "--lang" || option == "--title" || option == "--paper" || option == "--nest" ||
           option == "--kerf" || option == "--units" || option == "--mass" || outputOption(option);
}

bool isOneOf(CommandAction action, std::initializer_list<CommandAction> actions) {
    return std::ranges::find(actions, action) != actions.end();
}

// "600x300": two lengths in mm, each with a point for decimals.
std::optional<NestingSheet> sheetSize(std::string_view value) {
    const std::size_t by = value.find_first_of("xX");
    if (by == std::string_view::npos)
        return std::nullopt;
    const auto width = lengthOf(value.substr(0, by));
    const auto height = lengthOf(value.substr(by + 1));
    if (!width || !height || *width == 0 || *height == 0)
        return std::nullopt;
    return NestingSheet{*width, *height};
}

bool isFullSize(CommandAction action) {
    return action == CommandAction::ExportDxf || action == CommandAction::ExportSvg ||
           action == CommandAction::TilesPdf;
}

// Two output files in one run would leave one of them silently unwritten.
bool setOption(CommandRequest& request, const std::string& option, const std::string& value) {
    if (option == "--lang") {
        request.language = value;
    } else if (option == "--title") {
        request.title = value;
        request.titleGiven = true;
    } else if (option == "--paper") {
        request.paper = value;
    } else if (option == "--units" || option == "--mass") {
        request.unitsGiven = true;
    } else if (outputOption(option)) {
        if (!request.outputPath.empty())
            return false;
        request.outputPath = value;
        request.action = outputOption(option)->action;
    }
    return true;
}

// --paper names A4 or Letter in any letter case; the request keeps the usage's spelling.
std::optional<std::string> paperName(const std::string& value) {
    for (const char* name : {"A4", "Letter"}) {
        if (equalsIgnoringAsciiCase(value, name))
            return name;
    }
    return std::nullopt;
}

// The options that were read must fit the action they go with.
CommandRequest checked(CommandRequest request, bool paperGiven) {
    using enum CommandAction;
    const CommandAction action = request.action;
    const bool templates = isOneOf(action, {RibsDxf, RibsSvg, RibsPdf, CoresPdf, CoresDxf});
    const bool drawing =
        action == PreviewSvg || action == SheetPdf || isFullSize(action) || templates;
    const bool titled =
        action == SheetPdf || isFullSize(action) || isOneOf(action, {RibsSvg, RibsPdf, CoresPdf});
    if (request.action == CommandAction::Window &&
        (request.json || !request.language.empty() || request.titleGiven))
        return refuse("--json, --lang and --title go with an action such as --calc");
    if (request.unitsGiven &&
        (request.action == CommandAction::Window || request.action == CommandAction::PreviewSvg))
        return refuse("--units and --mass go with --calc and the actions that write a sheet, a "
                      "plan or ribs");
    // The window holds one wing, as File > Open does.
    if (request.action == CommandAction::Window && request.files.size() > 1)
        return refuse("the window opens one wing file");
    // Standard input is for the command line; the window's wing has a file to go back to.
    if (request.action == CommandAction::Window &&
        std::ranges::count(request.files, kStandardStream))
        return refuse("the window opens a wing file, not standard input (-)");
    if (request.action == CommandAction::Calc && request.files.empty())
        return refuse("--calc needs at least one wing file");
    if (request.action == CommandAction::Calc && !request.outputPath.empty())
        return refuse("--calc writes no file: give either --calc or an output option");
    if (drawing && request.files.size() != 1)
        return refuse("drawing takes exactly one wing file");
    if (drawing && request.json)
        return refuse("--json goes with --calc");
    if (request.titleGiven && !titled)
        return refuse("--title goes with --sheet-pdf, --export-dxf, --export-svg, --tiles-pdf, "
                      "--ribs-svg, --ribs-pdf or --cores-pdf");
    if (paperGiven && !isOneOf(action, {TilesPdf, RibsPdf, CoresPdf}))
        return refuse("--paper goes with --tiles-pdf, --ribs-pdf or --cores-pdf");
    if (request.nest && !isOneOf(action, {RibsDxf, RibsSvg, CoresDxf}))
        return refuse("--nest goes with --ribs-dxf, --ribs-svg or --cores-dxf");
    if (request.kerf && !isOneOf(action, {RibsDxf, RibsSvg, CoresDxf, CoresPdf}))
        return refuse("--kerf goes with --ribs-dxf, --ribs-svg, --cores-dxf or --cores-pdf");
    if (request.kerf && *request.kerf > kLargestKerf)
        return refuse("--kerf takes up to 10 mm");
    const std::optional<std::string> paper = paperName(request.paper);
    if (!paper)
        return refuse("--paper takes A4 or Letter");
    request.paper = *paper;
    if (request.bothHalves && !isFullSize(action) &&
        !isOneOf(action, {RibsDxf, RibsSvg, RibsPdf}) && !(action == Calc && request.json))
        return refuse("--both-halves goes with --export-dxf, --export-svg, --tiles-pdf, the ribs' "
                      "--ribs-dxf, --ribs-svg and --ribs-pdf, or --calc --json");
    if (std::ranges::count(request.files, kStandardStream) > 1)
        return refuse("standard input (-) holds one wing; it can be read only once");
    return request;
}

// The usage promises a bare name: "English.lng" would look for "English.lng.lng".
bool isLanguageOption(const std::string& value) {
    const bool withExtension =
        value.size() >= kLanguageExtension.size() &&
        equalsIgnoringAsciiCase(
            std::string_view(value).substr(value.size() - kLanguageExtension.size()),
            kLanguageExtension);
    return isLanguageName(value) && !withExtension;
}

CommandRequest withValue(CommandRequest request, const std::string& option,
                         const std::string& value) {
    if (option == "--lang" && !isLanguageOption(value))
        return refuse("--lang takes the name of a language file, without folder, \"..\", "
                      "control characters or \".lng\"");
    if (option == "--units") {
        const std::optional<LengthUnit> unit = lengthUnitNamed(value);
        if (!unit)
            return refuse("--units takes mm or in");
        request.units.length = *unit;
    }
    if (option == "--mass") {
        const std::optional<MassUnit> unit = massUnitNamed(value);
        if (!unit)
            return refuse("--mass takes g or oz");
        request.units.mass = *unit;
    }
    if (option == "--nest") {
        request.nest = sheetSize(value);
        if (!request.nest)
            return refuse("--nest takes the sheet's width and height in mm, as 600x300");
    }
    if (option == "--kerf") {
        request.kerf = lengthOf(value);
        if (!request.kerf)
            return refuse("--kerf takes the kerf in mm, as 0.2");
    }
    if (outputOption(option) && request.action == CommandAction::Calc)
        return refuse("--calc writes no file: give either --calc or an output option");
    if (!setOption(request, option, value))
        return refuse("one output file at a time: " + option + " comes after another");
    return request;
}

} // namespace

CommandRequest parseCommandLine(const std::vector<std::string>& arguments) {
    CommandRequest request;
    bool optionsEnded = false;
    bool paperGiven = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        // "-" alone names standard input, not an option.
        if (optionsEnded || !argument.starts_with("-") || argument == kStandardStream) {
            request.files.push_back(argument);
        } else if (argument == "--help" || argument == "-h" || argument == "--version") {
            request.action = argument == "--version" ? CommandAction::Version : CommandAction::Help;
            return request;
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--calc") {
            request.action = CommandAction::Calc;
        } else if (argument == "--json") {
            request.json = true;
        } else if (argument == "--both-halves") {
            request.bothHalves = true;
        } else if (takesValue(argument)) {
            if (++i == arguments.size())
                return refuse(argument + " needs a value");
            paperGiven = paperGiven || argument == "--paper";
            request = withValue(std::move(request), argument, arguments[i]);
            if (request.action == CommandAction::UsageError)
                return request;
        } else {
            return refuse("unknown option " + argument);
        }
    }
    return checked(std::move(request), paperGiven);
}

namespace {

// The language of a command when none is remembered: the one every newer text falls back to.
constexpr std::string_view kRunLanguage = "English";

std::string listOfLanguages(const LanguageState& language) {
    std::string list;
    for (const std::string& name : language.availableLanguages())
        list += (list.empty() ? "" : ", ") + name;
    return list.empty() ? "none" : list;
}

std::string whereLanguagesLie(const LanguageState& language) {
    const LanguagePlaces& places = language.places();
    if (!places.installed)
        return "beside the program";
    std::string where = "in " + places.languageFolder;
    if (!places.userFolder.empty())
        where = "in " + places.userFolder + " or " + places.languageFolder;
    return where;
}

} // namespace

bool selectRunLanguage(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    if (!request.language.empty()) {
        if (language.hasLanguageFile(request.language)) {
            language.select(request.language);
            return true;
        }
        err << "wingsheet: no language file " << request.language << ".lng "
            << whereLanguagesLie(language) << "; the languages are: " << listOfLanguages(language)
            << '\n';
        return false;
    }
    const std::string stored = language.storedLanguage();
    const bool storedUsable = !stored.empty() && language.hasLanguageFile(stored);
    if (!stored.empty() && !storedUsable)
        err << "wingsheet: no language file " << stored << ".lng " << whereLanguagesLie(language)
            << "; " << kRunLanguage << " instead\n";
    language.select(storedUsable ? stored : std::string(kRunLanguage));
    if (!language.hasLanguageFile(language.name()))
        err << "wingsheet: no language files " << whereLanguagesLie(language)
            << "; captions and messages stay empty\n";
    return true;
}

bool prepareOutputRun(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    return !outputWouldReplaceInput(request, err) && selectRunLanguage(request, language, err);
}

std::string sheetTitle(const CommandRequest& request, const std::string& file) {
    return request.titleGiven ? request.title : bareFileName(file);
}

int runCommand(const CommandRequest& request, LanguageState& language,
               std::string_view decimalSeparator, const SheetContext& sheet, std::ostream& out,
               std::ostream& err) {
    switch (request.action) {
    case CommandAction::Help:
        out << kUsage;
        return 0;
    case CommandAction::Version:
        out << "Wingsheet " WINGSHEET_VERSION "\n";
        return 0;
    case CommandAction::UsageError:
        err << "wingsheet: " << request.problem << "\n\n" << kUsage;
        return 2;
    case CommandAction::PreviewSvg:
        if (!prepareOutputRun(request, language, err))
            return 2;
        return writePreviewSvg(request, language, decimalSeparator, err);
    case CommandAction::ExportDxf:
        if (!prepareOutputRun(request, language, err))
            return 2;
        return writeOutlineDxf(request, language, decimalSeparator, sheet.date, err);
    case CommandAction::RibsDxf:
    case CommandAction::RibsSvg:
    case CommandAction::CoresDxf:
        if (!prepareOutputRun(request, language, err))
            return 2;
        return writeCutSheet(request, language, decimalSeparator, err);
    case CommandAction::Window:
    case CommandAction::SheetPdf:
    case CommandAction::ExportSvg:
    case CommandAction::TilesPdf:
    case CommandAction::RibsPdf:
    case CommandAction::CoresPdf:
        err << "wingsheet: this action needs the window system\n";
        return 2;
    case CommandAction::Calc:
        break;
    }

    if (!selectRunLanguage(request, language, err))
        return 2;
    const ResultCaptions captions =
        request.json ? ResultCaptions{} : lookUpResultCaptions(language);
    int status = 0;
    for (const std::string& file : request.files) {
        OpenedWing wing = openWing(file, decimalSeparator, language.lookup());
        if (request.json) {
            auto json = wingJson(wing);
            if (wing.outcome.calculated()) {
                json["preview"] = previewJson(wing.session.planform(), wing.session.results());
                json["sheet"] = sheetJson(wing.session, sheetTitle(request, file), sheet);
                json["fullSize"] = fullSizeJson(
                    wing.session, {sheetTitle(request, file), sheet.date, request.bothHalves},
                    sheet.metrics);
            }
            if (auto stability = stabilityJson(wing))
                json["stability"] = *std::move(stability);
            if (auto ribs = ribsJson(wing))
                json["ribs"] = *std::move(ribs);
            // Every member above keeps millimetres and grams; the shown texts come last.
            if (request.unitsGiven) {
                wing.session.setUnits(request.units);
                json["display"] = displayJson(wing);
            }
            out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        } else {
            wing.session.setUnits(request.units);
            printWingText(wing, captions, out);
        }
        if (!wing.outcome.calculated())
            status = 1;
        if (!out)
            break; // standard output failed; the caller says why
    }
    return status;
}
