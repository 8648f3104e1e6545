// SPDX-License-Identifier: GPL-3.0-or-later
// Texts from language files and file names are shown exactly as written, never as markup: no
// translation may bring in formatting, links or images, or hide part of itself.
#pragma once

#include <QString>

// A tooltip that Qt would take for rich text shows its tags literally only once escaped, so
// every tooltip is handed over escaped, blanks kept.
QString plainToolTip(const QString& text);

// Qt reads "[*]" in a window title as the place of the modified mark and hides it; doubled, it
// shows as written.
QString plainWindowTitle(const QString& text);
