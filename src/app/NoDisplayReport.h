// SPDX-License-Identifier: GPL-3.0-or-later
// The window started where there is no display says so in one line and exits with status 1,
// instead of Qt's lines on every platform plugin and an abort.
#pragma once

#include <QtGlobal>

// While it lives, Qt's notices from starting the window system are held back; should no
// platform start, they become that one line.
class NoDisplayReport {
public:
    NoDisplayReport();
    ~NoDisplayReport();
    NoDisplayReport(const NoDisplayReport&) = delete;
    NoDisplayReport& operator=(const NoDisplayReport&) = delete;

private:
    QtMessageHandler previousHandler_ = nullptr;
};
