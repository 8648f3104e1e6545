// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/WingFields.h"

#include <gtest/gtest.h>

TEST(WingModel, ATipChordChangeMirrorsEveryTipIntoTheNextRoot) {
    WingFields fields;
    fields.rootChord = {"300", "x", "x", "x", "x"};
    fields.tipChord = {"", "200", "", "80", "60"};
    setTipChord(fields, 0, "250");
    EXPECT_EQ(fields.rootChord, (PanelTexts{"300", "250", "200", "", "80"}));

    // Assigning the same text is no change, so a hand-set root chord survives.
    fields.rootChord[1] = "999";
    setTipChord(fields, 0, "250");
    EXPECT_EQ(fields.rootChord[1], "999");
}
