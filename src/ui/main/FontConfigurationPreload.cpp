// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main/FontConfigurationPreload.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

FontConfigurationPreload::FontConfigurationPreload() {
    try {
        thread_ = std::jthread([] { FcInit(); });
    } catch (const std::system_error&) {
        // Without a second thread Qt loads the configuration itself, a little later.
    }
}

void FontConfigurationPreload::wait() {
    if (thread_.joinable())
        thread_.join();
}
