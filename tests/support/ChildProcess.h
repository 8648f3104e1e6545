// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: runs a program with arguments passed as raw bytes (no shell, no conversion to
// text, so names that are not UTF-8 arrive intact), feeds its standard input and collects its
// standard output and error.
#pragma once

#include <array>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

struct ChildRun {
    int exitCode = -1; // -1 when the program could not start or was killed
    std::string out;
    std::string err;
};

namespace child_process {

// Moves the bytes between the child's three pipes until it has closed its output and error.
inline void pump(int input, int output, int error, std::string_view feed, ChildRun& run) {
    std::array<pollfd, 3> fds{{{output, POLLIN, 0}, {error, POLLIN, 0}, {input, POLLOUT, 0}}};
    std::string* sinks[] = {&run.out, &run.err};
    if (feed.empty()) {
        ::close(input);
        fds[2].fd = -1;
    }
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR)
            return;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[65536];
            const ssize_t count = ::read(fds[i].fd, buffer, sizeof buffer);
            if (count > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(count));
            } else if (count == 0 || errno != EINTR) {
                ::close(fds[i].fd);
                fds[i].fd = -1;
            }
        }
        if (fds[2].fd >= 0 && fds[2].revents != 0) {
            const ssize_t count = ::write(fds[2].fd, feed.data(), feed.size());
            if (count > 0)
                feed.remove_prefix(static_cast<std::size_t>(count));
            if (feed.empty() || (count < 0 && errno != EINTR && errno != EAGAIN)) {
                ::close(fds[2].fd);
                fds[2].fd = -1;
            }
        }
    }
    if (fds[2].fd >= 0)
        ::close(fds[2].fd);
}

} // namespace child_process

// How the program is started: by default its output and error are collected from pipes.
struct ChildStreams {
    std::string input;          // fed to its standard input
    std::string folder;         // where it starts, "" for the test's own working folder
    std::string appendOutputTo; // a file its standard output is appended to (>>), "" for none
    bool inputClosed = false;   // started without standard input (<&-)
    bool outputClosed = false;  // started without standard output (>&-)
};

inline ChildRun runChild(const std::string& program, const std::vector<std::string>& arguments,
                         const ChildStreams& streams = {}) {
    ChildRun run;
    int in[2], out[2], err[2];
    if (::pipe2(in, O_CLOEXEC) != 0 || ::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        return run;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (streams.inputClosed)
        posix_spawn_file_actions_addclose(&actions, STDIN_FILENO);
    else
        posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    if (streams.outputClosed)
        posix_spawn_file_actions_addclose(&actions, STDOUT_FILENO);
    else if (!streams.appendOutputTo.empty())
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, streams.appendOutputTo.c_str(),
                                         O_WRONLY | O_APPEND | O_CREAT, 0644);
    else
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    if (!streams.folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, streams.folder.c_str());
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned =
        ::posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    // The test itself must survive a child that stops reading its input.
    const auto previous = std::signal(SIGPIPE, SIG_IGN);
    ::fcntl(in[1], F_SETFL, O_NONBLOCK);
    child_process::pump(in[1], out[0], err[0], spawned == 0 ? streams.input : std::string_view(),
                        run);
    std::signal(SIGPIPE, previous);
    int status = 0;
    if (spawned == 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
        run.exitCode = WEXITSTATUS(status);
    return run;
}
