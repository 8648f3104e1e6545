// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/PlainText.h"

#include <QTextDocument>

QString plainToolTip(const QString& text) {
    if (text.isEmpty())
        return text;
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

QString plainWindowTitle(const QString& text) {
    return QString(text).replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}
