// SPDX-License-Identifier: GPL-3.0-or-later
// The About window's picture: the worked example wing of the manual, 250/150/1000/50, drawn by
// the program's own planform code at the picture box's size.
#pragma once

#include <QImage>

QImage drawAboutPicture();
