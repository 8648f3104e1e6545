#include "CommandLine.h"

#include "Language.h"
#include "ResultTexts.h"
#include "WingJson.h"

#include <ostream>

namespace {

constexpr std::string_view kUsage =
    "Usage: wingsheet                      start the window\n"
    "       wingsheet --calc [--json] [--lang NAME] FILE...\n"
    "                                      calculate wing files as File > Open does\n"
    "       wingsheet --help | --version\n"
    "\n"
    "  --json       one JSON object per file and line\n"
    "  --lang NAME  use NAME.lng for this run instead of the language stored in tz.ini\n"
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

// Messages break lines with "\r" as a message box does; a terminal needs "\n".
std::string AsTerminalLines(std::string text) {
    for (std::size_t pos = 0; (pos = text.find('\r', pos)) != std::string::npos;) {
        const bool pair = pos + 1 < text.size() && text[pos + 1] == '\n';
        text.replace(pos, pair ? 2 : 1, "\n");
    }
    return text;
}

void PrintWingText(const OpenedWing& wing, std::string_view separator, std::ostream& out) {
    out << wing.path << '\n';
    if (wing.fileError || wing.report.outcome != CalcOutcome::Ok) {
        out << AsTerminalLines(OutcomeMessage(wing)) << "\n\n";
        return;
    }
    const ResultTexts texts = MakeResultTexts(wing.planform, wing.results, separator);
    const std::pair<std::string_view, const std::string&> lines[] = {
        {"6", texts.Lbenv},        {"7", texts.Lbsurf},       {"8", texts.Lballong},
        {"9", texts.Lbdist_x},     {"11", texts.Lbdistcentr}, {"10", texts.Lbcmoy},
        {"16", texts.LbafficheCA},
    };
    for (const auto& [key, value] : lines)
        out << Caption(key) << " : " << value << '\n';
    out << '\n';
}

} // namespace

CommandRequest ParseCommandLine(const std::vector<std::string>& arguments) {
    CommandRequest request;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            request.action = CommandAction::Help;
            return request;
        }
        if (argument == "--version") {
            request.action = CommandAction::Version;
            return request;
        }
        if (argument == "--calc") {
            request.action = CommandAction::Calc;
        } else if (argument == "--json") {
            request.json = true;
        } else if (argument == "--lang") {
            if (++i == arguments.size())
                return Refuse("--lang needs a language name");
            request.language = arguments[i];
        } else if (argument.starts_with("-") && argument != "-") {
            return Refuse("unknown option " + argument);
        } else {
            request.files.push_back(argument);
        }
    }
    if (request.action == CommandAction::Window &&
        (request.json || !request.language.empty() || !request.files.empty()))
        return Refuse("--json, --lang and files go with --calc");
    if (request.action == CommandAction::Calc && request.files.empty())
        return Refuse("--calc needs at least one wing file");
    return request;
}

int RunCommand(const CommandRequest& request, std::string_view decimalSeparator, std::ostream& out,
               std::ostream& err) {
    switch (request.action) {
    case CommandAction::Help:
        out << kUsage;
        return 0;
    case CommandAction::Version:
        out << "Wingsheet 3.1.0\n";
        return 0;
    case CommandAction::UsageError:
        err << "wingsheet: " << request.problem << "\n\n" << kUsage;
        return 2;
    case CommandAction::Window:
    case CommandAction::Calc:
        break;
    }

    if (!request.language.empty())
        SelectLanguage(request.language);
    else
        SelectLanguage(GetINI("Langue", "1", std::string(1, kPathSeparator) + "tz.ini"));

    int status = 0;
    for (const std::string& file : request.files) {
        const OpenedWing wing = OpenWing(file, decimalSeparator);
        if (request.json)
            out << WingJson(wing, decimalSeparator)
                       .dump(-1, ' ', false, nlohmann::json::error_handler_t::replace)
                << '\n';
        else
            PrintWingText(wing, decimalSeparator, out);
        if (OutcomeName(wing) != "Ok")
            status = 1;
    }
    return status;
}
