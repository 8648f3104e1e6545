// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/ribs/RibView.h"

#include "draw/DrawRib.h"
#include "draw/QPainterCanvas.h"

#include <QAccessibleWidget>
#include <QPainter>

namespace {

QAccessibleInterface* ribViewAccessibility(const QString& className, QObject* object) {
    auto* view = qobject_cast<RibView*>(object);
    if (!view || className != QLatin1String(RibView::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(view, QAccessible::Graphic);
}

} // namespace

RibView::RibView(QWidget* parent)
    : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(ribViewAccessibility);
        return true;
    }();
    Q_UNUSED(accessible);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void RibView::showRib(const Rib& rib, const Box2D& frame) {
    rib_ = rib;
    frame_ = frame;
    update();
}

void RibView::erase() {
    rib_.reset();
    update();
}

void RibView::paintEvent(QPaintEvent*) {
    if (!rib_)
        return;
    QPainter painter(this);
    const QSizeF twips(width() * kTwipsPerInch / logicalDpiX(),
                       height() * kTwipsPerInch / logicalDpiY());
    QPainterCanvas canvas(painter, twips);
    drawRib(*rib_, frame_, canvas, static_cast<float>(twips.width()),
            static_cast<float>(twips.height()));
}
