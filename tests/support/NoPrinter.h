// SPDX-License-Identifier: GPL-3.0-or-later
// Points the print system at a server that does not exist, so a test never reaches a real
// printer of the machine it runs on. Must run before anything asks for printers.
#pragma once

#include <QtGlobal>

inline void cutOffPrinters() {
    qputenv("CUPS_SERVER", "/nonexistent/wingsheet-test/cups.sock");
}
