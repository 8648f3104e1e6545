#include "calc/WingFields.h"

#include <gtest/gtest.h>

TEST(WingModel, ATipChordChangeMirrorsEveryTipIntoTheNextRoot) {
    WingFields fields;
    fields.C_max = {"300", "x", "x", "x", "x"};
    fields.C_min = {"", "200", "", "80", "60"};
    SetTipChord(fields, 0, "250");
    EXPECT_EQ(fields.C_max, (PanelTexts{"300", "250", "200", "", "80"}));

    // Assigning the same text is no change, so a hand-set root chord survives.
    fields.C_max[1] = "999";
    SetTipChord(fields, 0, "250");
    EXPECT_EQ(fields.C_max[1], "999");
}
