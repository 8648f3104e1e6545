// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/common/FormControls.h"

#include "ui/common/FormFont.h"
#include "ui/common/Twips.h"
#include "ui/common/WingField.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace {

constexpr double kFieldWidth = 855; // the main window's field width, in twips

} // namespace

QLabel* makeLabel(QWidget* parent, bool bold, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setFont(formFont(8.25, bold));
    label->setAlignment(alignment);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QLabel* makeCaption(QWidget* parent) {
    return makeLabel(parent, true, Qt::AlignRight | Qt::AlignVCenter);
}

WingField* makeField(QWidget* parent, const QString& allowed, FieldQuantity quantity) {
    auto* field = new WingField(allowed, parent, quantity);
    field->setFont(formFont(8.25, false));
    field->setFixedWidth(twipsToPixels(kFieldWidth));
    return field;
}

QGroupBox* makeGroup(QWidget* parent) {
    auto* group = new QGroupBox(parent);
    group->setFont(formFont(9, true));
    return group;
}

QPushButton* makeButton(QWidget* parent) {
    auto* button = new QPushButton(parent);
    button->setFont(formFont(8.25, false));
    return button;
}
