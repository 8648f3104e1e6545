// SPDX-License-Identifier: GPL-3.0-or-later
// The windows are laid out in twips (1/1440 inch), converted at the screen's logical DPI so the
// form keeps its proportions on any screen: 15 twips per pixel at 96 DPI.
#pragma once

#include <QRect>

int twipsToPixels(double twips);

QRect twipsRect(double left, double top, double width, double height);
