// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/WingFields.h"

WingFields clearedFields() {
    WingFields fields;
    fields.balancePercent = "30";
    return fields;
}

void chainRootChords(WingFields& fields) {
    for (int panel = 1; panel < kPanelCount; ++panel)
        fields.rootChord[panel] = fields.tipChord[panel - 1];
}

void setTipChord(WingFields& fields, int panel, const std::string& text) {
    if (fields.tipChord[panel] == text)
        return;
    fields.tipChord[panel] = text;
    chainRootChords(fields);
}
