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

void setPanelText(WingFields& fields, PanelField field, int panel, const std::string& text) {
    switch (field) {
    case PanelField::RootChord:
        fields.rootChord[panel] = text;
        break;
    case PanelField::TipChord:
        setTipChord(fields, panel, text);
        break;
    case PanelField::PanelLength:
        fields.panelLength[panel] = text;
        break;
    case PanelField::SweepOffset:
        fields.sweepOffset[panel] = text;
        break;
    }
}
