// SPDX-License-Identifier: GPL-3.0-or-later
// The main of the tests that need widgets: one QApplication for the whole run, offscreen.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C"); // results are compared with "." as the decimal separator
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
