// SPDX-License-Identifier: GPL-3.0-or-later
// Tooltips from the language file, shown as written: a text that happens to look like markup
// must not be rendered as such.
#pragma once

class QString;
class QWidget;

void setPlainToolTip(QWidget* widget, const QString& text);
