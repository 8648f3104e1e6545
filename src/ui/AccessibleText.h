// SPDX-License-Identifier: GPL-3.0-or-later
// Names a screen reader announces, made from the captions the user sees in the current language,
// and tooltips that show a language file's text as written, never as markup.
#pragma once

#include <QString>

class QLabel;
class QWidget;

// A caption as a name: without its access-key "&" and without the " :" that ends it.
QString captionName(const QString& caption);

// A grid field's name from its row and column captions: "Root chord, Panel 1".
QString gridFieldName(const QString& rowCaption, const QString& columnCaption);

// A value label names its caption and what it shows: "Neutral point: 95.12 mm".
void nameValue(QLabel* value, const QString& caption);

void setPlainToolTip(QWidget* widget, const QString& text);
