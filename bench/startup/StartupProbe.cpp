// SPDX-License-Identifier: GPL-3.0-or-later
// Starts a program and reports how long it took until the X server mapped its first top-level
// window, and the program's peak resident memory at that moment; then ends the program.
//
//   startup_probe PROGRAM [ARGS...]   prints "MILLISECONDS PEAK_KIB" on standard output
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kTimeout = std::chrono::seconds(20);

struct XcbFree {
    void operator()(void* pointer) const { std::free(pointer); }
};

// The peak resident set (VmHWM) of a running process, in KiB; 0 when it cannot be read.
long peakResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string word;
    while (status >> word) {
        if (word == "VmHWM:") {
            long kib = 0;
            status >> kib;
            return kib;
        }
    }
    return 0;
}

pid_t startProgram(char** argv) {
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::perror(argv[0]);
        _exit(127);
    }
    return pid;
}

void endProgram(pid_t pid) {
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
}

// Waits for the first MapNotify of a window that is a child of the root and not an
// override-redirect popup: with no window manager, that is the program's first top-level window.
bool waitForTopLevelMap(xcb_connection_t* connection, Clock::time_point deadline) {
    const int fd = xcb_get_file_descriptor(connection);
    while (Clock::now() < deadline) {
        while (
            std::unique_ptr<xcb_generic_event_t, XcbFree> event{xcb_poll_for_event(connection)}) {
            if ((event->response_type & 0x7f) != XCB_MAP_NOTIFY)
                continue;
            const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
            if (!map->override_redirect)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        pollfd ready{fd, POLLIN, 0};
        poll(&ready, 1, 50);
    }
    return false;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup_probe PROGRAM [ARGS...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "startup_probe: cannot connect to the X server (DISPLAY)\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t pid = startProgram(argv + 1);
    const bool mapped = waitForTopLevelMap(connection, start + kTimeout);
    const Clock::time_point shown = Clock::now();
    const long peakKib = peakResidentKib(pid);
    endProgram(pid);
    xcb_disconnect(connection);
    if (!mapped) {
        std::fprintf(stderr, "startup_probe: %s mapped no window\n", argv[1]);
        return 1;
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(shown - start).count();
    std::printf("%.2f %ld\n", milliseconds, peakKib);
    return 0;
}
