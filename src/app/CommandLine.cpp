// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include "app/StabilityJson.h"
#include "app/WingJson.h"
#include "base/FileListing.h"
#include "draw/DrawPreview.h"
#include "draw/SvgCanvas.h"
#include "files/WingFilePath.h"
#include "i18n/LanguageState.h"
#include "i18n/TextKeys.h"

#include <array>
#include <ostream>

namespace {

constexpr std::string_view kUsage =
    "Usage: wingsheet [FILE]               start the window; FILE opens as File > Open does\n"
    "       wingsheet --calc [--json] [--lang NAME] FILE...\n"
    "                                      calculate wing files as File > Open does\n"
    "       wingsheet --preview-svg OUT.svg [--lang NAME] FILE\n"
    "                                      draw the preview of a wing file as SVG\n"
    "       wingsheet --sheet-pdf OUT.pdf [--title TEXT] [--lang NAME] FILE\n"
    "                                      print the sheet of a wing file into a PDF\n"
    "       wingsheet --help | --version\n"
    "\n"
    "  --json       one JSON object per file and line\n"
    "  --lang NAME  use NAME.lng for this run instead of the language stored in tz.ini\n"
    "  --title TEXT the sheet's title; the file's name when not given\n"
    "Exit status: 0 every file calculated, 1 some did not, 2 wrong arguments.\n";

CommandRequest refuse(std::string problem) {
    CommandRequest request;
    request.action = CommandAction::UsageError;
    request.problem = std::move(problem);
    return request;
}

// A caption may already end in " :" in some languages; the line adds its own.
std::string caption(const LanguageState& language, TextKey key) {
    std::string caption = language.text(key);
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':'))
        caption.pop_back();
    return caption;
}

// The seven result captions in output order, looked up once for a whole run of files.
using ResultCaptions = std::array<std::string, 7>;

ResultCaptions lookUpResultCaptions(const LanguageState& language) {
    return {caption(language, kSpanCaption),
            caption(language, kAreaCaption),
            caption(language, kAspectRatioCaption),
            caption(language, kMeanChordStationCaption),
            caption(language, kBalanceDistanceCaption),
            caption(language, kMeanChordCaption),
            caption(language, kWingLoadingCaption)};
}

void printWingText(const OpenedWing& wing, const ResultCaptions& captions, std::ostream& out) {
    out << wing.path << '\n';
    if (!wing.outcome.calculated()) {
        out << asTerminalLines(outcomeMessage(wing)) << "\n\n";
        return;
    }
    const ResultTexts texts = wing.session.resultTexts();
    const std::string* values[] = {&texts.span,
                                   &texts.area,
                                   &texts.aspectRatio,
                                   &texts.meanChordStation,
                                   &texts.balanceDistance,
                                   &texts.meanChord,
                                   &texts.wingLoading};
    for (std::size_t i = 0; i < captions.size(); ++i)
        out << captions[i] << " : " << *values[i] << '\n';
    out << '\n';
}

// The preview of one wing file as an SVG in the preview's own twips.
int writePreviewSvg(const CommandRequest& request, const LanguageState& language,
                    std::string_view separator, std::ostream& err) {
    const OpenedWing wing = openWing(request.files.front(), separator, language.lookup());
    if (!wing.outcome.calculated()) {
        err << "wingsheet: " << wing.path << ": " << asTerminalLines(outcomeMessage(wing)) << '\n';
        return 1;
    }
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const PreviewOutcome outcome = drawPreview(wing.session.planform(), wing.session.results(),
                                               canvas, wing.session.neutralPoint());
    if (!outcome.drawn) {
        err << "wingsheet: " << wing.path << ": nothing drawn, " << outcome.skippedReason << '\n';
        return 1;
    }
    if (const auto error = writeFileAtomically(request.outputPath, canvas.document())) {
        err << "wingsheet: " << request.outputPath << ": " << error->description << '\n';
        return 1;
    }
    return 0;
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

// Options that take the next argument as their value.
bool takesValue(const std::string& option) {
    return option == "--lang" || option == "--title" || option == "--preview-svg" ||
           option == "--sheet-pdf";
}

void setOption(CommandRequest& request, const std::string& option, const std::string& value) {
    if (option == "--lang") {
        request.language = value;
    } else if (option == "--title") {
        request.title = value;
        request.titleGiven = true;
    } else {
        request.outputPath = value;
        request.action =
            option == "--preview-svg" ? CommandAction::PreviewSvg : CommandAction::SheetPdf;
    }
}

// The options that were read must fit the action they go with.
CommandRequest checked(CommandRequest request) {
    const bool drawing =
        request.action == CommandAction::PreviewSvg || request.action == CommandAction::SheetPdf;
    if (request.action == CommandAction::Window &&
        (request.json || !request.language.empty() || request.titleGiven))
        return refuse("--json, --lang and --title go with an action such as --calc");
    // The window holds one wing, as File > Open does.
    if (request.action == CommandAction::Window && request.files.size() > 1)
        return refuse("the window opens one wing file");
    if (request.action == CommandAction::Calc && request.files.empty())
        return refuse("--calc needs at least one wing file");
    if (drawing && request.files.size() != 1)
        return refuse("drawing takes exactly one wing file");
    if (drawing && request.json)
        return refuse("--json goes with --calc");
    if (request.titleGiven && request.action != CommandAction::SheetPdf)
        return refuse("--title goes with --sheet-pdf");
    return request;
}

} // namespace

CommandRequest parseCommandLine(const std::vector<std::string>& arguments) {
    CommandRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h" || argument == "--version") {
            request.action = argument == "--version" ? CommandAction::Version : CommandAction::Help;
            return request;
        }
        if (argument == "--calc") {
            request.action = CommandAction::Calc;
        } else if (argument == "--json") {
            request.json = true;
        } else if (takesValue(argument)) {
            if (++i == arguments.size())
                return refuse(argument + " needs a value");
            setOption(request, argument, arguments[i]);
        } else if (argument.starts_with("-") && argument != "-") {
            return refuse("unknown option " + argument);
        } else {
            request.files.push_back(argument);
        }
    }
    return checked(std::move(request));
}

namespace {

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

void selectRunLanguage(const CommandRequest& request, LanguageState& language, std::ostream& err) {
    const std::string name =
        !request.language.empty() ? request.language : language.storedLanguage();
    if (name.empty()) {
        err << "wingsheet: no language chosen yet; captions and messages stay empty (--lang "
               "NAME)\n";
        return;
    }
    language.select(name);
    if (!fileExists(language.languageFile()))
        err << "wingsheet: no language file " << name << ".lng " << whereLanguagesLie(language)
            << "; captions and messages stay empty\n";
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
        selectRunLanguage(request, language, err);
        return writePreviewSvg(request, language, decimalSeparator, err);
    case CommandAction::Window:
    case CommandAction::SheetPdf:
        err << "wingsheet: this action needs the window system\n";
        return 2;
    case CommandAction::Calc:
        break;
    }

    selectRunLanguage(request, language, err);
    const ResultCaptions captions =
        request.json ? ResultCaptions{} : lookUpResultCaptions(language);
    int status = 0;
    for (const std::string& file : request.files) {
        const OpenedWing wing = openWing(file, decimalSeparator, language.lookup());
        if (request.json) {
            auto json = wingJson(wing);
            if (wing.outcome.calculated()) {
                json["preview"] = previewJson(wing.session.planform(), wing.session.results());
                json["sheet"] = sheetJson(wing.session, sheetTitle(request, file), sheet);
            }
            if (auto stability = stabilityJson(wing))
                json["stability"] = *std::move(stability);
            out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        } else {
            printWingText(wing, captions, out);
        }
        if (!wing.outcome.calculated())
            status = 1;
    }
    return status;
}
