// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the program and Poppler's tools as child processes, arguments passed one by one with no
// shell in between, and reads what they print; finds the strokes of a page that pdftocairo drew.
#pragma once

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <cmath>
#include <vector>

struct ToolRun {
    int exitCode = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
        run.err = QStringLiteral("did not finish: ") + program;
        return run;
    }
    run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

inline bool havePoppler() {
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftocairo"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return false;
    }
    return true;
}

inline constexpr double kMmPerPoint = 25.4 / 72;

// A straight stroke of the page in millimetres from its top-left corner.
struct PageLine {
    double x1, y1, x2, y2;
    QString colour; // as the SVG writes it, "rgb(0%,0%,0%)"
    bool dashed;
    double widthMm = 0;
    double length() const { return std::hypot(x2 - x1, y2 - y1); }
};

// pdftocairo writes each stroke as a path "M x y L x y" with its own transform matrix.
inline std::vector<PageLine> strokedLines(const QString& svg) {
    static const QRegularExpression path(QStringLiteral(R"(<path ([^>]*)/>)"));
    static const QRegularExpression line(
        QStringLiteral(R"re(d="M ([-\d.]+) ([-\d.]+) L ([-\d.]+) ([-\d.]+) ")re"));
    static const QRegularExpression matrix(QStringLiteral(R"(matrix\(([^)]*)\))"));
    static const QRegularExpression stroke(QStringLiteral(R"(stroke:(rgb\([^)]*\)))"));
    static const QRegularExpression width(QStringLiteral(R"(stroke-width:([\d.]+))"));
    std::vector<PageLine> lines;
    for (const auto& element : path.globalMatch(svg)) {
        const QString attributes = element.captured(1);
        const auto points = line.match(attributes);
        if (!attributes.contains(QStringLiteral("fill:none")) || !points.hasMatch())
            continue;
        double m[6] = {1, 0, 0, 1, 0, 0};
        if (const auto transform = matrix.match(attributes); transform.hasMatch()) {
            const QStringList numbers = transform.captured(1).split(u',');
            for (int i = 0; i < 6 && i < numbers.size(); ++i)
                m[i] = numbers[i].toDouble();
        }
        const auto mapped = [&](int first) {
            const double x = points.captured(first).toDouble();
            const double y = points.captured(first + 1).toDouble();
            return std::pair{(m[0] * x + m[2] * y + m[4]) * kMmPerPoint,
                             (m[1] * x + m[3] * y + m[5]) * kMmPerPoint};
        };
        const auto [x1, y1] = mapped(1);
        const auto [x2, y2] = mapped(3);
        const double scale = std::sqrt(std::abs(m[0] * m[3] - m[1] * m[2]));
        lines.push_back({x1, y1, x2, y2, stroke.match(attributes).captured(1),
                         attributes.contains(QStringLiteral("stroke-dasharray")),
                         width.match(attributes).captured(1).toDouble() * scale * kMmPerPoint});
    }
    return lines;
}
