// SPDX-License-Identifier: GPL-3.0-or-later
// What the help and About windows share: a fixed client area laid out in twips on a light grey
// background, in the main window's font.
#pragma once

#include <QRect>
#include <QString>

class QDialog;
class QLabel;
class QWidget;

// Fixes the client area to its size in twips, paints it light grey and sets the font.
void setUpAuxiliaryWindow(QDialog& window, double widthTwips, double heightTwips);

// A top-aligned label at its twips rectangle; texts with "\r\n" show one line per break.
QLabel* placeLabel(QWidget* parent, const QString& text, QRect where, bool bold = false);
