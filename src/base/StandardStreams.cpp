// SPDX-License-Identifier: GPL-3.0-or-later

#include "base/StandardStreams.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

void holdClosedStandardStreams() {
    for (const int stream : {STDIN_FILENO, STDOUT_FILENO, STDERR_FILENO}) {
        if (::fcntl(stream, F_GETFD) != -1 || errno != EBADF)
            continue;
        const int flags = (stream == STDIN_FILENO ? O_WRONLY : O_RDONLY) | O_NOCTTY;
        const int placeholder = ::open("/dev/null", flags);
        if (placeholder >= 0 && placeholder != stream) {
            ::dup2(placeholder, stream);
            ::close(placeholder);
        }
    }
}
