// SPDX-License-Identifier: GPL-3.0-or-later
// Loading the system's font configuration (on a Debian desktop about a hundred small files and
// the font caches) is the largest single cost of a first window with text. It runs on a thread
// of its own while Qt connects to the display; Qt then finds it loaded.
#pragma once

#include <thread>

class FontConfigurationPreload {
public:
    FontConfigurationPreload();
    // Waits for the load, so no font is measured while it is half done.
    void wait();

private:
    std::jthread thread_;
};
