// SPDX-License-Identifier: GPL-3.0-or-later
// A GUI application on the offscreen platform, for the command-line actions that need fonts and
// paint devices but no window. Where the process already has an application it does nothing.
#pragma once

#include <QtGlobal>
#include <memory>

class QGuiApplication;

class HeadlessApplication {
public:
    HeadlessApplication();
    ~HeadlessApplication();
    HeadlessApplication(const HeadlessApplication&) = delete;
    HeadlessApplication& operator=(const HeadlessApplication&) = delete;

private:
    // The application keeps referring to its argument count and vector while it lives.
    int argc_ = 1;
    char name_[10] = "wingsheet";
    char* argv_[2] = {name_, nullptr};
    QtMessageHandler previousHandler_ = nullptr;
    std::unique_ptr<QGuiApplication> application_;
};
