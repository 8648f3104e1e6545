// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon: a swept two-panel half-wing laid out by the program's own calculation and
// planform code, its mean chord (red) and balance point (blue) marked, on a sky-blue tile.
#pragma once

#include <QImage>
#include <string>

// The icon as a square PNG image of that many pixels; lines stay at least a pixel wide.
QImage drawAppIcon(int sizePx);

// The same drawing as a scalable SVG document, 256 units square.
std::string appIconSvg();
