#include "calc/WingFields.h"

WingFields ClearedFields() {
    WingFields fields;
    fields.Cg = "30";
    return fields;
}

void ChainRootChords(WingFields& fields) {
    for (int panel = 1; panel < kPanelCount; ++panel)
        fields.C_max[panel] = fields.C_min[panel - 1];
}

void SetTipChord(WingFields& fields, int panel, const std::string& text) {
    if (fields.C_min[panel] == text)
        return;
    fields.C_min[panel] = text;
    ChainRootChords(fields);
}
