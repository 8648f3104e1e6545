// SPDX-License-Identifier: GPL-3.0-or-later

#include "draw/QtTextMetrics.h"

#include "draw/QPainterCanvas.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

struct FontRow {
    const char* name;
    float points;
    bool bold;
    bool underline;
};

const FontRow kSheetFonts[] = {
    {"header", 10, false, false},       {"version note", 5, false, false},
    {"section title", 12, false, true}, {"table", 9, false, false},
    {"scale caption", 9, true, true},
};

const char* const kTexts[] = {"Wing: My wing", " 2 000.00 mm  ", " 40.00 dm\u00b2  ", "-110", ""};

// The JSON's sheet must lay out exactly as the PDF does, so both measure the same numbers.
TEST(QtTextMetrics, MeasureAsAPdfPageAtTheSheetResolution) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kSheetDotsPerInch);
    QPainter painter(&writer);
    QPainterCanvas page(painter, {16838, 11906});
    const TextMetrics metrics = qtTextMetrics();
    for (const FontRow& row : kSheetFonts) {
        page.setFont("Arial", row.points);
        page.setBold(row.bold);
        page.setUnderline(row.underline);
        EXPECT_DOUBLE_EQ(metrics.lineHeight(page.font()), page.lineHeight()) << row.name;
        for (const char* text : kTexts)
            EXPECT_DOUBLE_EQ(metrics.width(text, page.font()), page.textWidth(text))
                << row.name << ": " << text;
    }
}

} // namespace
