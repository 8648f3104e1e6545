// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/PlainToolTip.h"

#include <QTextDocument>
#include <QWidget>

// A tooltip that looks like markup would be rendered as such: wrapped as rich text, escaped.
void setPlainToolTip(QWidget* widget, const QString& text) {
    widget->setToolTip(Qt::mightBeRichText(text)
                           ? QStringLiteral("<qt>") + text.toHtmlEscaped() + QStringLiteral("</qt>")
                           : text);
}
