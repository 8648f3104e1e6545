// SPDX-License-Identifier: GPL-3.0-or-later

#include "files/AirfoilFile.h"

#include "base/TextEncoding.h"
#include "base/TextLines.h"
#include "calc/ParseNumber.h"
#include "files/WingFilePath.h"

#include <cmath>
#include <vector>

namespace {

enum class LineKind { Blank, Point, Text };

struct CoordinateLine {
    LineKind kind = LineKind::Text;
    Point2D point;
    int number = 0; // from 1
};

constexpr std::string_view kBlanks = " \t\v\f";

std::vector<std::string_view> tokensOf(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = text.find_first_not_of(kBlanks);
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kBlanks, start);
        tokens.push_back(text.substr(start, end - start));
        start = end == std::string_view::npos ? end : text.find_first_not_of(kBlanks, end);
    }
    return tokens;
}

CoordinateLine classify(std::string_view text, int number) {
    const std::vector<std::string_view> tokens = tokensOf(text);
    if (tokens.empty())
        return {LineKind::Blank, {}, number};
    if (tokens.size() == 2) {
        const auto x = plainNumber(tokens[0]);
        const auto y = plainNumber(tokens[1]);
        if (x && y)
            return {LineKind::Point, {*x, *y}, number};
    }
    return {LineKind::Text, {}, number};
}

bool isCount(double value) {
    return value >= 2 && value <= 1e6 && value == std::floor(value);
}

// The points in file order, with the line of each.
struct FilePoints {
    std::vector<Point2D> points;
    std::vector<int> lines;
    void add(const CoordinateLine& line) {
        points.push_back(line.point);
        lines.push_back(line.number);
    }
};

// Runs of point lines from `first`, blank lines between them, up to the first text line.
std::vector<FilePoints> pointBlocks(const std::vector<CoordinateLine>& lines, std::size_t first) {
    std::vector<FilePoints> blocks(1);
    for (std::size_t i = first; i < lines.size() && lines[i].kind != LineKind::Text; ++i) {
        if (lines[i].kind == LineKind::Point)
            blocks.back().add(lines[i]);
        else if (!blocks.back().points.empty())
            blocks.emplace_back();
    }
    if (blocks.back().points.empty())
        blocks.pop_back();
    return blocks;
}

// Upper surface leading edge first, then the lower the same way: into Selig order, the shared
// leading edge once.
std::optional<FilePoints> lednicerPoints(const std::vector<CoordinateLine>& lines,
                                         std::size_t countsLine) {
    const std::vector<FilePoints> blocks = pointBlocks(lines, countsLine + 1);
    const Point2D counts = lines[countsLine].point;
    if (blocks.size() < 2 || static_cast<double>(blocks[0].points.size()) != counts.x ||
        static_cast<double>(blocks[1].points.size()) != counts.y)
        return std::nullopt;
    FilePoints selig;
    for (std::size_t i = blocks[0].points.size(); i-- > 0;) {
        selig.points.push_back(blocks[0].points[i]);
        selig.lines.push_back(blocks[0].lines[i]);
    }
    const bool sharedLeadingEdge = blocks[1].points.front() == blocks[0].points.front();
    for (std::size_t i = sharedLeadingEdge ? 1 : 0; i < blocks[1].points.size(); ++i) {
        selig.points.push_back(blocks[1].points[i]);
        selig.lines.push_back(blocks[1].lines[i]);
    }
    return selig;
}

AirfoilFileRead refused(AirfoilFault fault, int line) {
    AirfoilFileRead read;
    read.fault = AirfoilFileFault{fault, line};
    return read;
}

std::string airfoilName(std::string_view nameLine, std::string_view fallbackName) {
    std::string name = cleanAirfoilName(nameLine);
    if (name.empty())
        name = cleanAirfoilName(fallbackName);
    return name.empty() ? "Airfoil" : name;
}

} // namespace

AirfoilFileRead readAirfoilText(std::string_view bytes, std::string_view fallbackName) {
    const std::string text = decodeText(bytes);
    TextLineReader reader(text);
    const std::optional<TextLine> nameLine = reader.next();
    std::vector<CoordinateLine> lines;
    int number = 1;
    while (const std::optional<TextLine> line = reader.next())
        lines.push_back(classify(line->text, ++number));

    std::size_t first = 0;
    while (first < lines.size() && lines[first].kind != LineKind::Point)
        ++first;
    if (first == lines.size())
        return refused(AirfoilFault::NoNumbers, lines.empty() ? 1 : lines.front().number);
    const Point2D head = lines[first].point;
    FilePoints points;
    if (isCount(head.x) && isCount(head.y)) {
        std::optional<FilePoints> lednicer = lednicerPoints(lines, first);
        if (!lednicer)
            return refused(AirfoilFault::CountMismatch, lines[first].number);
        points = std::move(*lednicer);
    } else {
        for (const FilePoints& block : pointBlocks(lines, first)) {
            points.points.insert(points.points.end(), block.points.begin(), block.points.end());
            points.lines.insert(points.lines.end(), block.lines.begin(), block.lines.end());
        }
    }

    NormalisedPoints section = normaliseAirfoil(points.points);
    if (section.fault)
        return refused(*section.fault, points.lines[section.faultPoint]);
    AirfoilFileRead read;
    read.airfoil = Airfoil{airfoilName(nameLine ? nameLine->text : "", fallbackName),
                           std::move(section.points)};
    read.notes = section.notes;
    return read;
}

AirfoilFileRead loadAirfoilFile(const std::string& path) {
    std::string bytes;
    if (std::optional<FileError> error = readFileBytes(path, bytes)) {
        AirfoilFileRead read;
        read.fileError = std::move(error);
        return read;
    }
    return readAirfoilText(bytes, decodeText(bareFileName(path)));
}
