// SPDX-License-Identifier: GPL-3.0-or-later
// A white area the program draws on (the preview, the selected rib): a screen reader meets it as
// a picture, with the name and description its window gives it.
#pragma once

#include <QWidget>

class DrawingArea : public QWidget {
    Q_OBJECT
public:
    explicit DrawingArea(QWidget* parent);
};
