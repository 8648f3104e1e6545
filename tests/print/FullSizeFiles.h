// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's full-size files and the figure they must hold: the wing files are saved
// as a user would, the program writes DXF, SVG or tiled PDF, and the figure the files are
// compared with is built in-process from the same file, language and date.
#pragma once

#include "draw/FullSizeFigure.h"
#include "files/WingFile.h"
#include "files/WingFilePath.h"
#include "i18n/LanguageState.h"
#include "print/SystemLocale.h"
#include "session/FullSizeText.h"
#include "support/PdfTools.h"
#include "support/TestFolder.h"
#include "support/TypedWings.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <optional>

// Panels whose corners need at most six significant digits, as Qt's SVG generator writes them.
inline WingFields fivePanelWing() {
    return typedWing({{"300", "280", "200", "10"},
                      {"280", "250", "300", "30.5"},
                      {"250", "200", "250", "60.25"},
                      {"200", "150", "200", "100"},
                      {"150", "100", "150", "150"}},
                     "30", "2400");
}

// 2.6 m from tip to tip: three panels, 1300 mm a side.
inline WingFields wing2600() {
    return typedWing(
        {{"260", "220", "600", "20"}, {"220", "160", "500", "60"}, {"160", "100", "200", "110"}},
        "28", "2200");
}

inline WingFields onePanel300() {
    return typedWing({{"200", "150", "300", "30"}}, "30", "600");
}

class FullSizeFiles : public testing::Test {
protected:
    void SetUp() override { language.select("English"); }

    std::string saveWing(const std::string& name, const WingFields& fields) {
        const std::string path = folder / name;
        EXPECT_FALSE(saveWingFile(path, fields).has_value());
        return path;
    }

    // The program with --lang English, the given arguments, and the wing file last.
    ToolRun runProgram(QStringList arguments, const std::string& wing) const {
        arguments << QStringLiteral("--lang") << QStringLiteral("English")
                  << QString::fromStdString(wing);
        return runTool(kProgram, arguments);
    }

    // As the program builds it: titled with the file's name, dated today.
    std::optional<FullSizeFigure> expectedFigure(const std::string& wing, bool bothHalves) const {
        WingSession session(systemDecimalSeparator(), language.lookup());
        EXPECT_TRUE(session.open(wing).calculated());
        return fullSizeFigureOf(session, {bareFileName(wing), todaysShortDate(), bothHalves});
    }

    const QString kProgram = QStringLiteral(WINGSHEET_EXECUTABLE);
    TestFolder folder;
    LanguageState language{
        LanguagePlaces::beside(QFileInfo(kProgram).absolutePath().toStdString())};
};
