// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/DrawingArea.h"

#include <QAccessibleWidget>

namespace {

// Qt asks the factory for each class from the object's own up to QObject.
QAccessibleInterface* drawingAccessibility(const QString& className, QObject* object) {
    auto* area = qobject_cast<DrawingArea*>(object);
    if (!area || className != QLatin1String(DrawingArea::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(area, QAccessible::Graphic);
}

} // namespace

DrawingArea::DrawingArea(QWidget* parent)
    : QWidget(parent) {
    static const bool accessible = [] {
        QAccessible::installFactory(drawingAccessibility);
        return true;
    }();
    Q_UNUSED(accessible);
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}
