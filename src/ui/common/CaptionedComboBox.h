// SPDX-License-Identifier: GPL-3.0-or-later
// A drop-down list that a screen reader names by its caption. On Linux Qt names a list by the
// entry it shows, so "Tail position" would be heard as "T-tail (1.00)"; this one keeps its
// accessible name and gives the entry as its value.
#pragma once

#include <QComboBox>

class CaptionedComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit CaptionedComboBox(QWidget* parent);
};
