// SPDX-License-Identifier: GPL-3.0-or-later
// The full-size figure as an SVG document that drawing and laser programs open at true size:
// width and height in millimetres, a viewBox in millimetres holding the figure's own
// coordinates (y towards the trailing edge, as SVG's y), hairlines of 0.1 mm, one group per
// layer named as the DXF layers (OUTER, a path for the DXF's laser users, is not among them). Qt's
// SVG generator draws each layer; the groups wrap them.
#pragma once

#include "draw/FullSizeFigure.h"

#include <QByteArray>
#include <QString>
#include <optional>

inline constexpr double kSvgHairlineMm = 0.1;

// The whole document; nothing when the generator's output cannot be read back.
std::optional<QByteArray> outlineSvgDocument(const FullSizeFigure& figure, const QString& title);
