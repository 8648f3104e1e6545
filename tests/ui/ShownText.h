// SPDX-License-Identifier: GPL-3.0-or-later
// What a reader sees of a text as Qt shows it: tooltips are handed over escaped, so a test that
// compares a tooltip with its language text compares what is shown.
#pragma once

#include <QString>
#include <QTextDocument>

// Rich text is rendered, tags and all; plain text stays as it is.
inline QString shownAs(const QString& text, Qt::TextFormat format) {
    QTextDocument document;
    if (format == Qt::RichText || (format == Qt::AutoText && Qt::mightBeRichText(text)))
        document.setHtml(text);
    else
        document.setPlainText(text);
    return document.toPlainText();
}

// A tooltip is taken for rich text whenever it looks like some.
inline QString shownToolTip(const QString& toolTip) {
    return shownAs(toolTip, Qt::AutoText);
}
