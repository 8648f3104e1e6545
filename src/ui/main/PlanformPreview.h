// SPDX-License-Identifier: GPL-3.0-or-later
// The preview area: it keeps the last drawing as a picture and paints it whenever the
// window is exposed, so the planform survives being covered or minimised.
#pragma once

#include "ribs/CalculateRibs.h"
#include "ui/common/DrawingArea.h"

#include <QPicture>
#include <optional>
#include <vector>

struct WingPlanform;
struct WingResults;

class PlanformPreview : public DrawingArea {
    Q_OBJECT
public:
    explicit PlanformPreview(QWidget* parent);

    // Redraws the half-wing to scale, with the neutral point (mm behind the root leading edge)
    // when there is one and a line at each rib station given; a wing whose scale cannot be
    // produced leaves it blank.
    void drawPreview(const WingPlanform& planform, const WingResults& results,
                     std::optional<double> neutralPointX = std::nullopt,
                     const std::vector<RibStation>& ribs = {});
    void erase();
    bool isBlank() const { return blank_; }
    // The neutral point the drawing marks, when it marks one.
    std::optional<double> neutralPointX() const { return neutralPointX_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPicture picture_;
    bool blank_ = true;
    std::optional<double> neutralPointX_;
};
