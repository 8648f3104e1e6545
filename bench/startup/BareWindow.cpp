// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt Widgets program that shows one empty window
// of the main window's size (554 by 518 pixels at 96 DPI: the form and its menu bar). With
// --caption the window shows one line of text, the least any window with words pays for fonts.
#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(554, 518);
    if (argc > 1 && std::strcmp(argv[1], "--caption") == 0)
        new QLabel(QStringLiteral("Wingsheet"), &window);
    window.show();
    return QApplication::exec();
}
