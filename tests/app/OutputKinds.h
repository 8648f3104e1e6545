// SPDX-License-Identifier: GPL-3.0-or-later
// The kinds of file the program writes, each written the way the program writes it: a wing file
// by Save as, tz.ini by the language chooser, the SVG preview, the PDF sheet and the full-size
// DXF, SVG and tiled PDF by the command line. Each reports 0 or the error number the user is
// shown.
#pragma once

#include "app/CommandLine.h"
#include "app/FullSizeCommand.h"
#include "app/SheetPdfCommand.h"
#include "files/WingFile.h"
#include "i18n/IniFile.h"
#include "i18n/LanguageState.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"

#include <filesystem>
#include <regex>
#include <sstream>
#include <string>

enum class OutputKind { Wing, Settings, Svg, Pdf, Dxf, OutlineSvg, TilesPdf };

inline const OutputKind kOutputKinds[] = {
    OutputKind::Wing, OutputKind::Settings,   OutputKind::Svg,      OutputKind::Pdf,
    OutputKind::Dxf,  OutputKind::OutlineSvg, OutputKind::TilesPdf,
};

inline const char* outputName(OutputKind kind) {
    switch (kind) {
    case OutputKind::Wing:
        return "wing file";
    case OutputKind::Settings:
        return "tz.ini";
    case OutputKind::Svg:
        return "--preview-svg";
    case OutputKind::Pdf:
        return "--sheet-pdf";
    case OutputKind::Dxf:
        return "--export-dxf";
    case OutputKind::OutlineSvg:
        return "--export-svg";
    case OutputKind::TilesPdf:
        break;
    }
    return "--tiles-pdf";
}

// How each kind's content begins, to recognise it wherever it arrived.
inline std::string signatureOf(OutputKind kind) {
    switch (kind) {
    case OutputKind::Wing:
        return "V2M-";
    case OutputKind::Settings:
        return "[Langue]\r\n1=English";
    case OutputKind::Svg:
    case OutputKind::OutlineSvg:
        return "<?xml";
    case OutputKind::Dxf:
        return "999\ndxflib";
    case OutputKind::Pdf:
    case OutputKind::TilesPdf:
        break;
    }
    return "%PDF-";
}

// A program folder with the English language file and a wing to draw.
class OutputWriter {
public:
    OutputWriter() {
        std::filesystem::copy_file(std::filesystem::path(WINGSHEET_SOURCE_LANG) / "English.lng",
                                   program_ / "English.lng");
        saveWingFile(wing_, fields_);
    }

    // 0 when written; else the error number as the user reads it.
    int write(OutputKind kind, const std::string& path) {
        switch (kind) {
        case OutputKind::Wing:
            return numberOf(saveWingFile(path, fields_));
        case OutputKind::Settings:
            return numberOf(writeIniValue(path, "Langue", "1", "English"));
        case OutputKind::Svg:
        case OutputKind::Dxf:
            return commandError(runCommand(request(kind, path), language_, ".", {}, out_, err_));
        case OutputKind::Pdf:
            return commandError(runSheetPdfCommand(request(kind, path), language_, err_));
        case OutputKind::OutlineSvg:
        case OutputKind::TilesPdf:
            break;
        }
        return commandError(runFullSizeCommand(request(kind, path), language_, err_));
    }

    std::string errors() const { return err_.str(); }

private:
    CommandRequest request(OutputKind kind, const std::string& path) const {
        return parseCommandLine({outputName(kind), path, "--lang", "English", wing_});
    }

    static int numberOf(const std::optional<FileError>& error) { return error ? error->number : 0; }

    // The command line says "... # N ..." as the Open and Save error message does.
    int commandError(int status) {
        const std::string said = err_.str();
        err_.str("");
        if (status == 0)
            return 0;
        std::smatch number;
        if (std::regex_search(said, number, std::regex(" # (\\d+) ")))
            return std::stoi(number[1]);
        return -status;
    }

    TestFolder program_;
    const std::string wing_ = program_ / "wing.txt";
    const WingFields fields_ = typedWing({{"250", "150", "1000", "50"}}, "30", "1500");
    LanguageState language_{LanguagePlaces::beside(program_.path())};
    std::ostringstream out_;
    std::ostringstream err_;
};
