// SPDX-License-Identifier: GPL-3.0-or-later
// The outline files the real program writes, read back by readers of their own: the DXF by
// ezdxf (Debian's python3-ezdxf), the SVG by Qt's XML reader. Units, layers, colours and every
// vertex are compared with the figure.
#include "FullSizeFiles.h"

#include "files/StabilityFile.h"
#include "support/StabilityWings.h"

#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <nlohmann/json.hpp>

namespace {

using Json = nlohmann::json;

// Debian's python3, which has python3-ezdxf; a python3 of another installation may lack it.
QString pythonWithEzdxf() {
    for (const QString& python : {QStringLiteral("/usr/bin/python3"),
                                  QStandardPaths::findExecutable(QStringLiteral("python3"))}) {
        if (!python.isEmpty() &&
            runTool(python, {QStringLiteral("-c"), QStringLiteral("import ezdxf")}).exitCode == 0)
            return python;
    }
    return {};
}

struct FileCase {
    const char* name;
    WingFields fields;
    bool bothHalves;
    std::optional<StabilityFields> stability = std::nullopt; // saved beside the wing
    const char* ribs = nullptr;                              // a .ribs saved beside the wing
};

const FileCase kFileCases[] = {
    {"worked_one_panel", typedWing({{"250", "150", "1000", "50"}}, "30", "1500"), false},
    {"five_panels", fivePanelWing(), false},
    {"both_halves_of_2_6_m", wing2600(), true},
    {"both_halves_with_a_tail", typedWing(kRectangularWing, "30", "1500"), true, rectangularTail()},
    {"five_panels_with_ribs", fivePanelWing(), false, std::nullopt,
     "[Ribs]\r\nSpacing=150\r\n[Airfoils]\r\nRoot=NACA 2412\r\n"},
};

class OutlineFiles : public FullSizeFiles {
protected:
    // The row's wing saved, and the program's file of it written with the option; its path.
    std::string written(const FileCase& row, const char* option, const std::string& suffix) {
        const std::string wing = wingOf(row);
        const std::string path = folder / (std::string(row.name) + suffix);
        QStringList arguments{QString::fromLatin1(option), QString::fromStdString(path)};
        if (row.bothHalves)
            arguments << QStringLiteral("--both-halves");
        const ToolRun run = runProgram(arguments, wing);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }
    std::string wingOf(const FileCase& row) {
        if (row.stability) {
            EXPECT_EQ(saveStabilityFile(folder / (std::string(row.name) + ".stab"), *row.stability),
                      std::nullopt);
        }
        if (row.ribs)
            writeBytes(folder / (std::string(row.name) + ".ribs"), row.ribs);
        return saveWing(std::string(row.name) + ".txt", row.fields);
    }
    std::optional<FullSizeFigure> figureOf(const FileCase& row) {
        return expectedFigure(folder / (std::string(row.name) + ".txt"), row.bothHalves);
    }
};

using OutlineDxf = OutlineFiles;

TEST_F(OutlineDxf, ReadsBackInEzdxfAsTheFigure) {
    const QString python = pythonWithEzdxf();
    if (python.isEmpty())
        GTEST_SKIP() << "python3-ezdxf cannot be imported (scripts/prepare installs it): the DXF "
                        "is not read back by an independent reader";
    for (const FileCase& row : kFileCases) {
        SCOPED_TRACE(row.name);
        const std::string dxf = written(row, "--export-dxf", ".dxf");
        const ToolRun read =
            runTool(python, {QStringLiteral(WINGSHEET_TESTS_FOLDER "/print/read_dxf.py"),
                             QString::fromStdString(dxf)});
        ASSERT_EQ(read.exitCode, 0) << read.err.toStdString();
        const Json file = Json::parse(read.out.toStdString());
        const auto figure = figureOf(row);
        ASSERT_TRUE(figure);

        EXPECT_EQ(file["version"], "AC1015");
        EXPECT_EQ(file["insunits"], 4); // millimetres
        EXPECT_EQ(file["measurement"], 1);
        EXPECT_EQ(file["auditErrors"], 0);
        EXPECT_EQ(file["auditFixes"], 0); // every object's owner handle is right
        const std::vector<LayerStyle> layers = layersOf(*figure);
        EXPECT_EQ(layers.size(), 5u + (row.stability ? 2 : 0) + (row.ribs ? 1 : 0));
        EXPECT_EQ(file["layers"].contains("RIBS"), row.ribs != nullptr);
        EXPECT_EQ(file["layers"]["OUTER"], 4);
        EXPECT_EQ(file["layers"].contains("NEUTRAL_POINT"), row.stability.has_value());
        for (const LayerStyle& style : layers)
            EXPECT_EQ(file["layers"][std::string(style.name)], style.aciColour) << style.name;

        std::vector<Json> polylines;
        std::vector<Json> outer;
        std::vector<Json> lines;
        std::vector<Json> texts;
        for (const Json& entity : file["entities"]) {
            EXPECT_EQ(entity["colour"], 256); // by layer
            if (entity["type"] == "LWPOLYLINE")
                (entity["layer"] == "OUTER" ? outer : polylines).push_back(entity);
            else if (entity["type"] == "LINE")
                lines.push_back(entity);
            else if (entity["type"] == "TEXT")
                texts.push_back(entity);
        }
        ASSERT_EQ(polylines.size(), figure->outlines.size());
        for (std::size_t i = 0; i < polylines.size(); ++i) {
            EXPECT_EQ(polylines[i]["layer"], "OUTLINE");
            EXPECT_TRUE(polylines[i]["closed"].get<bool>());
            const auto& corners = figure->outlines[i];
            ASSERT_EQ(polylines[i]["points"].size(), corners.size());
            for (std::size_t k = 0; k < corners.size(); ++k) {
                EXPECT_NEAR(polylines[i]["points"][k][0].get<double>(), corners[k].x, 1e-6);
                EXPECT_NEAR(polylines[i]["points"][k][1].get<double>(), -corners[k].y, 1e-6);
            }
        }
        ASSERT_EQ(outer.size(), 1u);
        EXPECT_TRUE(outer[0]["closed"].get<bool>());
        const std::vector<MmPoint> around = outerOutline(*figure);
        ASSERT_EQ(outer[0]["points"].size(), around.size());
        for (std::size_t k = 0; k < around.size(); ++k) {
            EXPECT_NEAR(outer[0]["points"][k][0].get<double>(), around[k].x, 1e-6);
            EXPECT_NEAR(outer[0]["points"][k][1].get<double>(), -around[k].y, 1e-6);
        }
        ASSERT_EQ(lines.size(), figure->marks.size());
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const FigureLine& mark = figure->marks[i];
            EXPECT_EQ(lines[i]["layer"], std::string(styleOf(mark.layer).name));
            EXPECT_NEAR(lines[i]["from"][0].get<double>(), mark.segment.from.x, 1e-6);
            EXPECT_NEAR(lines[i]["from"][1].get<double>(), -mark.segment.from.y, 1e-6);
            EXPECT_NEAR(lines[i]["to"][0].get<double>(), mark.segment.to.x, 1e-6);
            EXPECT_NEAR(lines[i]["to"][1].get<double>(), -mark.segment.to.y, 1e-6);
        }
        ASSERT_EQ(texts.size(), figure->texts.size());
        EXPECT_EQ(std::ranges::any_of(texts,
                                      [](const Json& text) {
                                          return text["text"].get<std::string>().starts_with(
                                              "Neutral point : ");
                                      }),
                  row.stability.has_value());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i]["layer"], "TEXT");
            EXPECT_EQ(texts[i]["text"], figure->texts[i].utf8); // "dm²" survives the escape
            EXPECT_NEAR(texts[i]["insert"][1].get<double>(), -figure->texts[i].baselineLeft.y,
                        1e-6);
        }
    }
}

// The points of an SVG path "M0,0 L1000,50 ..." or a polyline "458.333,-17.9167 ...".
std::vector<MmPoint> svgPoints(const QString& text) {
    static const QRegularExpression pair(QStringLiteral(R"(([-\d.e+]+),([-\d.e+]+))"));
    std::vector<MmPoint> points;
    for (const auto& match : pair.globalMatch(text))
        points.push_back({match.captured(1).toDouble(), match.captured(2).toDouble()});
    return points;
}

struct SvgContent {
    QString width;
    QString height;
    QString viewBox;
    std::vector<QString> layers;
    std::map<QString, std::vector<std::vector<MmPoint>>> shapes; // per layer
    std::vector<QString> texts;
    std::vector<QString> strokeWidths; // the stroke width in force at each shape
};

SvgContent readSvg(const QByteArray& document) {
    SvgContent svg;
    QXmlStreamReader reader(document);
    QString layer;
    std::vector<QString> widths;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"g")
            widths.pop_back();
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        if (reader.name() == u"svg") {
            svg.width = attributes.value(QStringLiteral("width")).toString();
            svg.height = attributes.value(QStringLiteral("height")).toString();
            svg.viewBox = attributes.value(QStringLiteral("viewBox")).toString();
        } else if (reader.name() == u"g") {
            if (attributes.hasAttribute(QStringLiteral("id"))) {
                layer = attributes.value(QStringLiteral("id")).toString();
                svg.layers.push_back(layer);
            }
            widths.push_back(attributes.hasAttribute(QStringLiteral("stroke-width"))
                                 ? attributes.value(QStringLiteral("stroke-width")).toString()
                                 : (widths.empty() ? QString() : widths.back()));
        } else if (reader.name() == u"path" || reader.name() == u"polyline") {
            const QString points =
                reader.name() == u"path" ? QStringLiteral("d") : QStringLiteral("points");
            svg.shapes[layer].push_back(svgPoints(attributes.value(points).toString()));
            svg.strokeWidths.push_back(widths.back());
        } else if (reader.name() == u"text") {
            svg.texts.push_back(reader.readElementText());
        }
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    return svg;
}

double millimetres(const QString& length) {
    EXPECT_TRUE(length.endsWith(QStringLiteral("mm"))) << length.toStdString();
    return QStringView(length).chopped(2).toDouble();
}

using OutlineSvg = OutlineFiles;

TEST_F(OutlineSvg, OpensAtTrueSizeWithEveryVertexInItsLayer) {
    for (const FileCase& row : kFileCases) {
        SCOPED_TRACE(row.name);
        const std::string path = written(row, "--export-svg", ".svg");
        const SvgContent svg = readSvg(QByteArray::fromStdString(readBytes(path)));
        const auto figure = figureOf(row);
        ASSERT_TRUE(figure);

        const QStringList box = svg.viewBox.split(u' ');
        ASSERT_EQ(box.size(), 4);
        EXPECT_DOUBLE_EQ(millimetres(svg.width), box[2].toDouble());
        EXPECT_DOUBLE_EQ(millimetres(svg.height), box[3].toDouble());
        const MmRect bounds = figureBounds(*figure);
        EXPECT_LE(box[0].toDouble(), bounds.left);
        EXPECT_LE(box[1].toDouble(), bounds.top);
        EXPECT_GE(box[0].toDouble() + box[2].toDouble(), bounds.right);
        EXPECT_GE(box[1].toDouble() + box[3].toDouble(), bounds.bottom);

        std::vector<QString> layers{"OUTLINE", "MEAN_CHORD", "BALANCE", "AXIS", "TEXT"};
        if (row.stability)
            layers.insert(layers.end(), {"NEUTRAL_POINT", "MARGIN_BALANCE"});
        if (row.ribs)
            layers.emplace_back("RIBS");
        EXPECT_EQ(svg.layers, layers);
        for (const QString& width : svg.strokeWidths)
            EXPECT_EQ(width, QStringLiteral("0.1"));

        const auto& outlines = svg.shapes.at(QStringLiteral("OUTLINE"));
        ASSERT_EQ(outlines.size(), figure->outlines.size());
        for (std::size_t i = 0; i < outlines.size(); ++i) {
            const auto& corners = figure->outlines[i];
            ASSERT_EQ(outlines[i].size(), corners.size() + 1); // back to the first corner
            for (std::size_t k = 0; k <= corners.size(); ++k) {
                EXPECT_NEAR(outlines[i][k].x, corners[k % corners.size()].x, 1e-6);
                EXPECT_NEAR(outlines[i][k].y, corners[k % corners.size()].y, 1e-6);
            }
        }
        // Marks need not be whole numbers: six significant digits leave them within 0.005 mm.
        std::size_t marks = 0;
        for (const FigureLine& mark : figure->marks) {
            const QString layer = QString::fromLatin1(styleOf(mark.layer).name.data());
            const auto& shapes = svg.shapes.at(layer);
            const bool found = std::ranges::any_of(shapes, [&](const std::vector<MmPoint>& p) {
                return p.size() == 2 && std::abs(p[0].x - mark.segment.from.x) < 5e-3 &&
                       std::abs(p[0].y - mark.segment.from.y) < 5e-3 &&
                       std::abs(p[1].x - mark.segment.to.x) < 5e-3 &&
                       std::abs(p[1].y - mark.segment.to.y) < 5e-3;
            });
            EXPECT_TRUE(found) << layer.toStdString() << " mark " << marks++;
        }
        ASSERT_EQ(svg.texts.size(), figure->texts.size());
        for (std::size_t i = 0; i < svg.texts.size(); ++i)
            EXPECT_EQ(svg.texts[i].toStdString(), figure->texts[i].utf8);
    }
}

} // namespace
