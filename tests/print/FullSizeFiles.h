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
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

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

// Where along an edge a piece of a stroke lies, as [start, end] in mm from its first corner;
// nothing when the piece is farther than tolerance from it.
inline std::optional<std::pair<double, double>>
alongEdge(const MmSegment& edge, const MmSegment& piece, double tolerance) {
    const double dx = edge.to.x - edge.from.x;
    const double dy = edge.to.y - edge.from.y;
    const double length = std::hypot(dx, dy);
    const auto project = [&](MmPoint p) {
        const double along = ((p.x - edge.from.x) * dx + (p.y - edge.from.y) * dy) / length;
        const double across =
            std::abs((p.x - edge.from.x) * dy - (p.y - edge.from.y) * dx) / length;
        return std::pair{along, across};
    };
    const auto [a, aOff] = project(piece.from);
    const auto [b, bOff] = project(piece.to);
    if (aOff > tolerance || bOff > tolerance || std::max(a, b) < -tolerance ||
        std::min(a, b) > length + tolerance)
        return std::nullopt;
    return std::pair{std::min(a, b), std::max(a, b)};
}

// True when the pieces on the edge cover it from end to end without a gap over the tolerance.
inline bool coversEdge(const MmSegment& edge, const std::vector<MmSegment>& pieces,
                       double tolerance) {
    std::vector<std::pair<double, double>> spans;
    for (const MmSegment& piece : pieces) {
        if (const auto span = alongEdge(edge, piece, tolerance))
            spans.push_back(*span);
    }
    std::ranges::sort(spans);
    double reached = 0;
    for (const auto& [start, end] : spans) {
        if (start > reached + tolerance)
            return false;
        reached = std::max(reached, end);
    }
    return reached >= std::hypot(edge.to.x - edge.from.x, edge.to.y - edge.from.y) - tolerance;
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

    // The strokes of a page of the PDF, as pdftocairo draws them, in mm from its top-left.
    std::vector<PageLine> pageLines(const std::string& pdf, std::size_t page) const {
        const QString number = QString::number(page);
        const std::string svg = folder / ("page" + std::to_string(page) + ".svg");
        const ToolRun run =
            runTool(QStringLiteral("pdftocairo"),
                    {QStringLiteral("-svg"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                     number, QString::fromStdString(pdf), QString::fromStdString(svg)});
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return strokedLines(QString::fromStdString(readBytes(svg)));
    }

    const QString kProgram = QStringLiteral(WINGSHEET_EXECUTABLE);
    TestFolder folder;
    LanguageState language{
        LanguagePlaces::beside(QFileInfo(kProgram).absolutePath().toStdString())};
};
