// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/dialogs/AuxiliaryWindow.h"

#include "ui/common/FormFont.h"
#include "ui/common/Twips.h"

#include <QColor>
#include <QDialog>
#include <QLabel>
#include <QPalette>

namespace {

const QColor kLightGrey(224, 224, 224);

} // namespace

void setUpAuxiliaryWindow(QDialog& window, double widthTwips, double heightTwips) {
    window.setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    QPalette palette = window.palette();
    palette.setColor(QPalette::Window, kLightGrey);
    window.setPalette(palette);
    window.setAutoFillBackground(true);
    window.setFont(formFont());
}

QLabel* placeLabel(QWidget* parent, const QString& text, QRect where, bool bold) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(where);
    label->setFont(formFont(8.25, bold));
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setTextFormat(Qt::PlainText);
    return label;
}
