// SPDX-License-Identifier: GPL-3.0-or-later
// The controls of the feature windows laid out by layouts (stability, ribs), in the form's font:
// captions bold and right-aligned beside their fields, fields as wide as the main window's,
// group titles a size up, labels that show their text as written.
#pragma once

#include "calc/DisplayUnits.h"

#include <QString>
#include <Qt>

class QGroupBox;
class QLabel;
class QPushButton;
class QWidget;
class WingField;

QLabel* makeLabel(QWidget* parent, bool bold,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
QLabel* makeCaption(QWidget* parent);
// allowed: what typing may add (kDigitsAndPoint, kDigitsPointAndMinus); a length follows the
// chosen units.
WingField* makeField(QWidget* parent, const QString& allowed,
                     FieldQuantity quantity = FieldQuantity::Plain);
QGroupBox* makeGroup(QWidget* parent);
QPushButton* makeButton(QWidget* parent);
