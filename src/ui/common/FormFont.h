// SPDX-License-Identifier: GPL-3.0-or-later
// The one typeface of the windows: Arial (Liberation Sans on Linux) at the form's sizes, so the
// main window, the help and the About window read alike.
#pragma once

#include <QFont>

inline QFont formFont(double points = 8.25, bool bold = false) {
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
