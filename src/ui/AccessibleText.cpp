// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/AccessibleText.h"

#include <QLabel>
#include <QTextDocument>

QString captionName(const QString& caption) {
    QString name;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&' && i + 1 < caption.size())
            ++i;
        name += caption[i];
    }
    while (!name.isEmpty() && (name.back() == u':' || name.back().isSpace()))
        name.chop(1);
    return name.trimmed();
}

QString gridFieldName(const QString& rowCaption, const QString& columnCaption) {
    return captionName(rowCaption) + QStringLiteral(", ") + captionName(columnCaption);
}

void nameValue(QLabel* value, const QString& caption) {
    value->setAccessibleName(captionName(caption) + QStringLiteral(": ") + value->text().trimmed());
}

// A tooltip that looks like markup would be rendered as such: wrapped as rich text, escaped.
void setPlainToolTip(QWidget* widget, const QString& text) {
    widget->setToolTip(Qt::mightBeRichText(text)
                           ? QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>")
                           : text);
}
