// SPDX-License-Identifier: GPL-3.0-or-later
// The pictures of the Calculate, Clear and Print buttons, drawn here. Taking them from the
// desktop's icon theme loads the theme index, an SVG engine and image plugins before the first
// window can show, which costs the start-up more than the rest of the window.
#pragma once

#include <QIcon>

enum class ButtonPicture { Calculate, Clear, Print };

// A square icon of that many device-independent pixels, sharp on high-density screens.
QIcon buttonPicture(ButtonPicture picture, int pixels, qreal devicePixelRatio);
