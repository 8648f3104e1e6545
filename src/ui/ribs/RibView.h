// SPDX-License-Identifier: GPL-3.0-or-later
// The drawing of the selected rib in the Ribs window, to scale and fitted to the widget, drawn
// through the planform canvas whenever it is exposed. A screen reader meets it as a picture.
#pragma once

#include "ribs/Rib.h"
#include "ui/common/DrawingArea.h"

#include <optional>

class RibView : public DrawingArea {
    Q_OBJECT
public:
    explicit RibView(QWidget* parent);

    // frame: what the scale must fit, in the rib's millimetres (see ribFrame).
    void showRib(const Rib& rib, const Box2D& frame);
    void erase();
    const std::optional<Rib>& rib() const { return rib_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<Rib> rib_;
    Box2D frame_;
};
