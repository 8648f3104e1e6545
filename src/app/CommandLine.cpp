#include "app/CommandLine.h"

#include "draw/DrawPlanform.h"
#include "i18n/Language.h"
#include "calc/ResultTexts.h"
#include "draw/SvgCanvas.h"
#include "files/WingFile.h"
#include "app/WingJson.h"

#include <array>
#include <ostream>

namespace {

constexpr std::string_view kUsage =
    "Usage: wingsheet                      start the window\n"
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

CommandRequest Refuse(std::string problem) {
    CommandRequest request;
    request.action = CommandAction::UsageError;
    request.problem = std::move(problem);
    return request;
}

// A caption may already end in " :" in some languages; the line adds its own.
std::string Caption(std::string_view key) {
    std::string caption = GetINIFile("Label", key);
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':'))
        caption.pop_back();
    return caption;
}

// The seven result captions in output order, looked up once for a whole run of files.
using ResultCaptions = std::array<std::string, 7>;

ResultCaptions LookUpResultCaptions() {
    return {Caption("6"),  Caption("7"),  Caption("8"), Caption("9"),
            Caption("11"), Caption("10"), Caption("16")};
}

void PrintWingText(const OpenedWing& wing, const ResultCaptions& captions,
                   std::string_view separator, std::ostream& out) {
    out << wing.path << '\n';
    if (wing.fileError || wing.report.outcome != CalcOutcome::Ok) {
        out << AsTerminalLines(OutcomeMessage(wing)) << "\n\n";
        return;
    }
    const ResultTexts texts = MakeResultTexts(wing.planform, wing.results, separator);
    const std::string* values[] = {&texts.Lbenv,      &texts.Lbsurf,      &texts.Lballong,
                                   &texts.Lbdist_x,   &texts.Lbdistcentr, &texts.Lbcmoy,
                                   &texts.LbafficheCA};
    for (std::size_t i = 0; i < captions.size(); ++i)
        out << captions[i] << " : " << *values[i] << '\n';
    out << '\n';
}

// The preview of one wing file as an SVG in the preview's own twips.
int WritePreviewSvg(const CommandRequest& request, std::string_view separator, std::ostream& err) {
    const OpenedWing wing = OpenWing(request.files.front(), separator);
    if (OutcomeName(wing) != "Ok") {
        err << "wingsheet: " << wing.path << ": " << AsTerminalLines(OutcomeMessage(wing)) << '\n';
        return 1;
    }
    SvgCanvas canvas(kPreviewWidthTwips, kPreviewHeightTwips);
    const PreviewOutcome outcome = DrawPlanform(wing.planform, wing.results, canvas);
    if (!outcome.drawn) {
        err << "wingsheet: " << wing.path << ": nothing drawn, " << outcome.skippedReason << '\n';
        return 1;
    }
    if (const auto error = WriteFileAtomically(request.outputPath, canvas.document())) {
        err << "wingsheet: " << request.outputPath << ": " << error->description << '\n';
        return 1;
    }
    return 0;
}

} // namespace

std::string AsTerminalLines(std::string text) {
    for (std::size_t pos = 0; (pos = text.find('\r', pos)) != std::string::npos;) {
        const bool pair = pos + 1 < text.size() && text[pos + 1] == '\n';
        text.replace(pos, pair ? 2 : 1, "\n");
    }
    return text;
}

namespace {

// Options that take the next argument as their value.
bool TakesValue(const std::string& option) {
    return option == "--lang" || option == "--title" || option == "--preview-svg" ||
           option == "--sheet-pdf";
}

void SetOption(CommandRequest& request, const std::string& option, const std::string& value) {
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
CommandRequest Checked(CommandRequest request) {
    const bool drawing =
        request.action == CommandAction::PreviewSvg || request.action == CommandAction::SheetPdf;
    if (request.action == CommandAction::Window &&
        (request.json || !request.language.empty() || !request.files.empty() || request.titleGiven))
        return Refuse("--json, --lang, --title and files go with an action such as --calc");
    if (request.action == CommandAction::Calc && request.files.empty())
        return Refuse("--calc needs at least one wing file");
    if (drawing && request.files.size() != 1)
        return Refuse("drawing takes exactly one wing file");
    if (drawing && request.json)
        return Refuse("--json goes with --calc");
    if (request.titleGiven && request.action != CommandAction::SheetPdf)
        return Refuse("--title goes with --sheet-pdf");
    return request;
}

} // namespace

CommandRequest ParseCommandLine(const std::vector<std::string>& arguments) {
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
        } else if (TakesValue(argument)) {
            if (++i == arguments.size())
                return Refuse(argument + " needs a value");
            SetOption(request, argument, arguments[i]);
        } else if (argument.starts_with("-") && argument != "-") {
            return Refuse("unknown option " + argument);
        } else {
            request.files.push_back(argument);
        }
    }
    return Checked(std::move(request));
}

void SelectRunLanguage(const CommandRequest& request, std::ostream& err) {
    const std::string name =
        !request.language.empty() ? request.language : GetINI("Langue", "1", kSettingsFile);
    if (name.empty()) {
        err << "wingsheet: no language chosen yet; captions and messages stay empty (--lang "
               "NAME)\n";
        return;
    }
    SelectLanguage(name);
    if (!FileExists(ProgramFolder() + CurrentLanguageFile))
        err << "wingsheet: no language file " << name << ".lng beside the program; captions and "
            << "messages stay empty\n";
}

std::string SheetTitle(const CommandRequest& request, const std::string& file) {
    return request.titleGiven ? request.title : BareFileName(file);
}

int RunCommand(const CommandRequest& request, std::string_view decimalSeparator,
               const SheetContext& sheet, std::ostream& out, std::ostream& err) {
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
        SelectRunLanguage(request, err);
        return WritePreviewSvg(request, decimalSeparator, err);
    case CommandAction::Window:
    case CommandAction::SheetPdf:
        err << "wingsheet: this action needs the window system\n";
        return 2;
    case CommandAction::Calc:
        break;
    }

    SelectRunLanguage(request, err);
    const ResultCaptions captions = request.json ? ResultCaptions{} : LookUpResultCaptions();
    int status = 0;
    for (const std::string& file : request.files) {
        const OpenedWing wing = OpenWing(file, decimalSeparator);
        if (request.json) {
            auto json = WingJson(wing, decimalSeparator);
            if (json.contains("results")) {
                json["preview"] = PreviewJson(wing.planform, wing.results);
                json["sheet"] = SheetJson(wing.planform, wing.results, SheetTitle(request, file),
                                          sheet, decimalSeparator);
            }
            out << json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        } else {
            PrintWingText(wing, captions, decimalSeparator, out);
        }
        if (OutcomeName(wing) != "Ok")
            status = 1;
    }
    return status;
}
