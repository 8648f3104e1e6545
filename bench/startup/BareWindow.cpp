// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: a bare Qt Widgets program that shows one empty window
// of the main window's size (554 by 518 pixels at 96 DPI: the form and its menu bar).
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(554, 518);
    window.show();
    return QApplication::exec();
}
