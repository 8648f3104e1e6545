// SPDX-License-Identifier: GPL-3.0-or-later
// The standard streams a command was started without (`>&-`, `<&-`): they stay unusable rather
// than free, so no file opened later takes their number and output meant for the terminal never
// lands in it.
#pragma once

#include "base/TextFile.h"

// Opens /dev/null the wrong way round on each closed descriptor 0 to 2, so every read or write
// there fails with EBADF as on the closed one. Call first thing in main.
void holdClosedStandardStreams();

// The EBADF of a closed standard stream, said so.
inline const FileError kStandardInputClosed{9, "Bad file descriptor: standard input is closed"};
inline const FileError kStandardOutputClosed{9, "Bad file descriptor: standard output is closed"};
