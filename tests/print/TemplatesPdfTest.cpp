// SPDX-License-Identifier: GPL-3.0-or-later
// The real program's rib and foam-core templates, read back from the PDF with Poppler: the pages
// in the number the layout computes, true 100 mm and 4 in bars on every page, and every outline
// on paper, black and at least 0.2 mm wide, where its part's outline lies at 1:1 to 0.1 mm, a
// rib longer than a page put back together from its tiles.
#include "FullSizeFiles.h"
#include "print/TemplatePrinter.h"
#include "session/TemplateTexts.h"

#include <QPageLayout>
#include <QRegularExpression>
#include <algorithm>

namespace {

constexpr double kToleranceMm = 0.1;
const QString kBlack = QStringLiteral("rgb(0%,0%,0%)");

// A root of 420 mm, longer than an A4 page's window either way round, then ribs that fit.
constexpr char kRibs[] = "[Ribs]\r\nSpacing=90\r\nSheeting=1.5\r\nTrailingEdgeCut=15\r\n"
                         "Spar1=30,6,3,top\r\nTwist3=-3\r\nJigTabs=1\r\n"
                         "[Airfoils]\r\nRoot=NACA 2412\r\nTip3=NACA 0010\r\n";

struct TemplatesCase {
    const char* name;
    const char* option;
    bool bothHalves;
    QPageSize::PageSizeId paper;
};

const TemplatesCase kCases[] = {
    {"ribs_of_both_halves_on_A4", "--ribs-pdf", true, QPageSize::A4},
    {"cores_on_Letter", "--cores-pdf", false, QPageSize::Letter},
};

class TemplatesPdf : public FullSizeFiles {
protected:
    void SetUp() override {
        FullSizeFiles::SetUp();
        if (!havePoppler())
            GTEST_SKIP() << "Poppler's tools (poppler-utils) are not installed";
    }
};

std::vector<MmSegment> edgesOf(const Polygons& outlines, const auto& onPaper) {
    std::vector<MmSegment> edges;
    for (const Polygon& outline : outlines) {
        for (std::size_t i = 0; i < outline.size(); ++i)
            edges.push_back({onPaper(outline[i]), onPaper(outline[(i + 1) % outline.size()])});
    }
    return edges;
}

void expectCovered(const std::vector<MmSegment>& edges, const std::vector<MmSegment>& strokes) {
    for (const MmSegment& edge : edges)
        EXPECT_TRUE(coversEdge(edge, strokes, kToleranceMm))
            << "(" << edge.from.x << ", " << edge.from.y << ") to (" << edge.to.x << ", "
            << edge.to.y << ")";
}

TEST_F(TemplatesPdf, OutlinesAtOneToOneAndTrueBarsOnEveryPage) {
    const std::string wing = saveWing("glider.txt", typedWing({{"420", "300", "150", "0"},
                                                               {"300", "200", "300", "40"},
                                                               {"200", "120", "200", "90"}},
                                                              "30", "1500"));
    writeBytes(folder / "glider.ribs", kRibs);
    WingSession session(systemDecimalSeparator(), language.lookup());
    ASSERT_TRUE(session.open(wing).calculated());
    for (const TemplatesCase& row : kCases) {
        SCOPED_TRACE(row.name);
        const std::string pdf = folder / (std::string(row.name) + ".pdf");
        const QPageSize paper(row.paper);
        QStringList arguments{QString::fromLatin1(row.option), QString::fromStdString(pdf),
                              QStringLiteral("--paper"), paper.key()};
        if (row.bothHalves)
            arguments << QStringLiteral("--both-halves");
        const ToolRun run = runProgram(arguments, wing);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

        const TemplateParts made = row.bothHalves
                                       ? ribTemplateParts(session, RibPartUse::Paper, true)
                                       : coreTemplateParts(session);
        ASSERT_TRUE(made.problem.empty()) << made.problem;
        const auto layout =
            templateLayoutFor(made.parts, QPageLayout(paper, QPageLayout::Portrait, QMarginsF()));
        ASSERT_TRUE(layout);
        ASSERT_TRUE(layout->tiled) << "the root is longer than a page";
        const std::size_t pages = layout->pages.size();
        EXPECT_TRUE(
            runTool(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf)})
                .out.contains(QRegularExpression(QStringLiteral(R"(Pages:\s+%1\n)").arg(pages))));

        std::vector<MmSegment> tiledStrokes;
        for (std::size_t k = 0; k < pages; ++k) {
            SCOPED_TRACE("page " + std::to_string(k + 1));
            const std::vector<PageLine> lines = pageLines(pdf, k + 1);
            for (const double mm : {100.0, 101.6}) {
                EXPECT_TRUE(std::ranges::any_of(lines,
                                                [&](const PageLine& line) {
                                                    return line.colour == kBlack && !line.dashed &&
                                                           std::abs(line.length() - mm) <= 0.02;
                                                }))
                    << mm << " mm";
            }
            std::vector<MmSegment> strokes;
            for (const PageLine& line : lines) {
                if (line.colour == kBlack && !line.dashed && line.widthMm >= 0.2)
                    strokes.push_back({{line.x1, line.y1}, {line.x2, line.y2}});
            }
            const TemplatePage& page = layout->pages[k];
            if (page.tile) {
                const Tile& tile = layout->tiled->tiles.pages[*page.tile];
                const MmRect& window = layout->tiled->tiles.window;
                for (const MmSegment& s : strokes)
                    tiledStrokes.push_back({{tile.figureRect.left + s.from.x - window.left,
                                             tile.figureRect.top + s.from.y - window.top},
                                            {tile.figureRect.left + s.to.x - window.left,
                                             tile.figureRect.top + s.to.y - window.top}});
                continue;
            }
            for (std::size_t i = 0; i < page.parts.size(); ++i) {
                SCOPED_TRACE(made.parts[page.parts[i]].name);
                expectCovered(edgesOf(made.parts[page.parts[i]].outlines,
                                      [&](Point2D p) {
                                          return onTemplatePage(*layout, page.placements[i], p);
                                      }),
                              strokes);
            }
        }
        const TiledParts& tiled = *layout->tiled;
        for (std::size_t t = 0; t < tiled.parts.size(); ++t) {
            SCOPED_TRACE(made.parts[tiled.parts[t]].name);
            expectCovered(edgesOf(made.parts[tiled.parts[t]].outlines,
                                  [&](Point2D p) {
                                      const Point2D placed = placedPoint(p, tiled.placements[t]);
                                      return MmPoint{placed.x, -placed.y};
                                  }),
                          tiledStrokes);
        }
    }
}

} // namespace
