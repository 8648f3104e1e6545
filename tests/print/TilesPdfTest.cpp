// SPDX-License-Identifier: GPL-3.0-or-later
// The tiled full-size PDF of the real program, read back with Poppler: the pages in the order
// the layout computes, a 100 mm calibration bar of 283.46 pt on each, how to cut them and their
// neighbours named, and the outline given back whole, to 0.05 mm and at least 0.3 mm wide, when
// the pages are laid together by their tiles.
#include "FullSizeFiles.h"
#include "draw/TileEdges.h"
#include "draw/TileLayout.h"
#include "i18n/TextKeys.h"
#include "i18n/TextPattern.h"
#include "print/TilePrinter.h"

#include <QPrinter>
#include <QRegularExpression>
#include <algorithm>
#include <nlohmann/json.hpp>

namespace {

constexpr double kToleranceMm = 0.05;
const QString kBlack = QStringLiteral("rgb(0%,0%,0%)");
// The frame, guides and crosses, grey 70: Cairo writes "rgb(27.450562%,...".
bool isGuide(const PageLine& line) {
    return line.colour.startsWith(QStringLiteral("rgb(27.45"));
}

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// A stroke of a page laid back where it belongs in the figure.
MmSegment onFigure(const TileLayout& layout, const Tile& tile, const PageLine& line) {
    const auto back = [&](double x, double y) {
        return MmPoint{tile.figureRect.left + x - layout.window.left,
                       tile.figureRect.top + y - layout.window.top};
    };
    return {back(line.x1, line.y1), back(line.x2, line.y2)};
}

bool insideWindow(const TileLayout& layout, const PageLine& line) {
    const MmRect& w = layout.window;
    const auto inside = [&](double x, double y) {
        return x >= w.left - kToleranceMm && x <= w.right + kToleranceMm &&
               y >= w.top - kToleranceMm && y <= w.bottom + kToleranceMm;
    };
    return inside(line.x1, line.y1) && inside(line.x2, line.y2);
}

struct TilesCase {
    const char* name;
    WingFields fields;
    bool bothHalves;
    const char* paper;
    PageArea paperSize;
};

const TilesCase kTilesCases[] = {
    {"both_halves_of_2_6_m_on_A4", wing2600(), true, "A4", kA4},
    {"one_panel_of_300_mm_on_A4", onePanel300(), false, "A4", kA4},
    {"one_panel_of_300_mm_on_Letter", onePanel300(), false, "Letter", kLetter},
};

class TilesPdf : public FullSizeFiles {
protected:
    void SetUp() override {
        FullSizeFiles::SetUp();
        if (!havePoppler())
            GTEST_SKIP() << "Poppler's tools (poppler-utils) are not installed";
    }

    QString pageText(const std::string& pdf, std::size_t page) const {
        const QString number = QString::number(page);
        return runTool(QStringLiteral("pdftotext"),
                       {QStringLiteral("-f"), number, QStringLiteral("-l"), number, q(pdf),
                        QStringLiteral("-")})
            .out.simplified();
    }
};

TEST_F(TilesPdf, PagesBarsAndStitchedOutlineAreAsComputed) {
    for (const TilesCase& row : kTilesCases) {
        SCOPED_TRACE(row.name);
        const std::string wing = saveWing(std::string(row.name) + ".txt", row.fields);
        const std::string pdf = folder / (std::string(row.name) + ".pdf");
        QStringList arguments{QStringLiteral("--tiles-pdf"), q(pdf), QStringLiteral("--paper"),
                              QString::fromLatin1(row.paper)};
        if (row.bothHalves)
            arguments << QStringLiteral("--both-halves");
        const ToolRun run = runProgram(arguments, wing);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const auto figure = expectedFigure(wing, row.bothHalves);
        ASSERT_TRUE(figure);
        const auto layout = layoutTiles(measuredForPages(*figure), wholePaper(row.paperSize));
        ASSERT_TRUE(layout);
        const std::size_t pages = layout->pages.size();

        const ToolRun info = runTool(QStringLiteral("pdfinfo"), {q(pdf)});
        EXPECT_TRUE(
            info.out.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+%1\n)").arg(pages))))
            << info.out.toStdString();
        const auto size = QRegularExpression(QStringLiteral(R"(Page size:\s+([\d.]+) x ([\d.]+))"))
                              .match(info.out);
        ASSERT_TRUE(size.hasMatch());
        EXPECT_NEAR(size.captured(1).toDouble() * kMmPerPoint, layout->area.width, 0.2);
        EXPECT_NEAR(size.captured(2).toDouble() * kMmPerPoint, layout->area.height, 0.2);

        std::vector<MmSegment> pieces;
        for (std::size_t k = 1; k <= pages; ++k) {
            SCOPED_TRACE("page " + std::to_string(k));
            const Tile& tile = layout->pages[k - 1];
            const QString text = pageText(pdf, k);
            EXPECT_TRUE(text.contains(
                q(tile.label + " page " + std::to_string(k) + " of " + std::to_string(pages))))
                << text.toStdString();
            EXPECT_TRUE(text.contains(q(fillIn(language.text(kCutAndLayNote), {kScissors}))));
            for (const auto& [rowStep, columnStep] : {std::pair{0, -1}, {0, 1}, {-1, 0}, {1, 0}}) {
                if (const Tile* next =
                        layout->tileAt(tile.row + rowStep, tile.column + columnStep)) {
                    EXPECT_TRUE(text.contains(q(next->label))) << next->label;
                }
            }
            const std::vector<PageLine> lines = pageLines(pdf, k);
            for (const double points : {283.46, 288.0}) { // 100 mm and 4 in
                EXPECT_TRUE(std::ranges::any_of(lines,
                                                [&](const PageLine& line) {
                                                    return line.colour == kBlack && !line.dashed &&
                                                           std::abs(line.length() / kMmPerPoint -
                                                                    points) <= 0.05;
                                                }))
                    << points << " pt";
            }
            for (const PageLine& line : lines) {
                if (line.colour == kBlack && !line.dashed && insideWindow(*layout, line)) {
                    pieces.push_back(onFigure(*layout, tile, line));
                    EXPECT_GE(line.widthMm, 0.3);
                }
            }
        }
        for (const MmSegment& edge : outlineSegments(*figure))
            EXPECT_TRUE(coversEdge(edge, pieces, kToleranceMm))
                << "(" << edge.from.x << ", " << edge.from.y << ") to (" << edge.to.x << ", "
                << edge.to.y << ")";
        // Nothing black in a window but the outline.
        const std::vector<MmSegment> edges = outlineSegments(*figure);
        for (const MmSegment& piece : pieces)
            EXPECT_TRUE(std::ranges::any_of(edges, [&](const MmSegment& edge) {
                return alongEdge(edge, piece, kToleranceMm).has_value();
            }));
    }
}

// A long title reaches far to the right in the text block. The pages measure it in their font,
// so no page is printed for the part of an estimate the text does not fill, and the JSON counts
// the pages printed.
TEST_F(TilesPdf, EveryPageShowsPartOfTheFigureAndTheJsonCountsThem) {
    // Both are titled after the file.
    const std::string wing = saveWing(
        "A rather long name for the wing plan of my new glider, with many words in it, written "
        "out.txt",
        typedWing({{"400", "300", "2500", "100"}, {"300", "200", "1500", "250"}}, "30", "9000"));
    const std::string pdf = folder / "long.pdf";
    ASSERT_EQ(runProgram({QStringLiteral("--tiles-pdf"), q(pdf)}, wing).exitCode, 0);
    const ToolRun calc = runProgram({QStringLiteral("--calc"), QStringLiteral("--json")}, wing);
    const auto json = nlohmann::json::parse(calc.out.toStdString());
    const std::size_t pages = json["fullSize"]["a4Tiles"]["pagesKept"].get<std::size_t>();
    EXPECT_TRUE(
        runTool(QStringLiteral("pdfinfo"), {q(pdf)})
            .out.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+%1\n)").arg(pages))));

    const auto figure = expectedFigure(wing, false);
    ASSERT_TRUE(figure);
    const auto layout = layoutTiles(measuredForPages(*figure), wholePaper(kA4));
    ASSERT_TRUE(layout);
    const MmRect& w = layout->window;
    for (std::size_t k = 1; k <= pages; ++k) {
        SCOPED_TRACE("page " + std::to_string(k));
        const std::vector<PageLine> lines = pageLines(pdf, k);
        const bool drawn = std::ranges::any_of(lines, [&](const PageLine& line) {
            return !isGuide(line) && insideWindow(*layout, line);
        });
        const QString number = QString::number(k);
        const auto points = [](double mm) {
            return QString::number(std::lround(mm / kMmPerPoint));
        };
        const QString written =
            runTool(QStringLiteral("pdftotext"),
                    {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                     QStringLiteral("-x"), points(w.left), QStringLiteral("-y"), points(w.top),
                     QStringLiteral("-W"), points(w.width()), QStringLiteral("-H"),
                     points(w.height()), q(pdf), QStringLiteral("-")})
                .out.simplified();
        EXPECT_TRUE(drawn || !written.isEmpty());
    }
}

// A printer that cannot print within 15 mm of the paper's edges: the painter starts at the
// printable area, so the bars still measure 100 mm and 4 in and sit 25 mm from the paper's edge.
TEST_F(TilesPdf, OnAPrinterThePrintableAreaHoldsThePages) {
    const std::string wing = saveWing("wing.txt", onePanel300());
    const auto figure = expectedFigure(wing, false);
    ASSERT_TRUE(figure);
    const std::string pdf = folder / "printer.pdf";
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat); // writes the file itself: test only
    printer.setOutputFileName(q(pdf));
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    const TilePrintOutcome outcome =
        printTilesOn(printer, *figure, {"printer", "page %1 of %2", "", "", "", ""});
    ASSERT_TRUE(outcome.printed) << outcome.failure;
    const auto layout = layoutTiles(measuredForPages(*figure), {{180, 267}, {267, 180}});
    ASSERT_TRUE(layout);
    EXPECT_EQ(outcome.pages, layout->pages.size());
    EXPECT_TRUE(outcome.pdf.isEmpty()); // the printer had the pages
    for (std::size_t k = 1; k <= outcome.pages; ++k) {
        SCOPED_TRACE(k);
        const std::vector<PageLine> lines = pageLines(pdf, k);
        const auto bar = std::ranges::find_if(lines, [](const PageLine& line) {
            return std::abs(line.length() / kMmPerPoint - 283.46) <= 0.05;
        });
        ASSERT_NE(bar, lines.end());
        // Qt's PDF printer rounds its margins to whole points, 0.35 mm.
        EXPECT_NEAR(std::min(bar->x1, bar->x2), 15 + kTileMarginMm, 25.4 / 72);
    }
}

TEST_F(TilesPdf, RefusesAPaperItDoesNotKnowAndWritesNothing) {
    const std::string wing = saveWing("wing.txt", onePanel300());
    const std::string pdf = folder / "tiles.pdf";
    const ToolRun run = runProgram(
        {QStringLiteral("--tiles-pdf"), q(pdf), QStringLiteral("--paper"), QStringLiteral("A3")},
        wing);
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("--paper takes A4 or Letter")));
    EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(TilesPdf, AWingTooLargeForPaperIsRefused) {
    const std::string wing =
        saveWing("huge.txt", typedWing({{"250", "150", "200000", "50"}}, "30", "1500"));
    const std::string pdf = folder / "huge.pdf";
    const ToolRun run = runProgram({QStringLiteral("--tiles-pdf"), q(pdf)}, wing);
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains(q(language.text(kTooLargeMessage)))) << run.err.toStdString();
    EXPECT_EQ(folder.names(), std::vector<std::string>{"huge.txt"});
}

} // namespace
