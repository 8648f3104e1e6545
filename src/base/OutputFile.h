// SPDX-License-Identifier: GPL-3.0-or-later
// The one routine through which the program writes a file: wing files, tz.ini, drawings, PDF
// sheets and every export. A regular file at the path holds the old bytes or the new ones, never
// a mixture; what the path names is never turned into something else.
#pragma once

#include "base/TextFile.h"

#include <optional>
#include <string>
#include <string_view>

// Writes `bytes` as the whole content of the file at `path`. On failure the error carries the
// errno value and its description, e.g. 13 permission denied, 28 no space, 27 over a size limit.
//
// What the path names decides how:
// - A regular file, or no file yet: the bytes go into a temporary file in the same folder (an
//   unnamed O_TMPFILE where the file system has it, else PATH.tmp-XXXXXX); every write, the
//   fsync and the close are checked, and only then is it renamed over the path and the folder
//   synced. On any failure the old file is byte-identical and no temporary file is left.
// - A replaced file keeps its permission bits (and owner and group, where the process may set
//   them); a new file gets 0666 less the umask.
// - An existing file that this user may not write, or that has no write bit at all (even for
//   root), is refused with EACCES (13) and stays as it is, as a file manager would do.
// - A symbolic link is followed to the file it names, which is replaced, or created when the
//   link dangles; the link itself stays a link.
// - A target that exists and is not a regular file (a character or block device, a FIFO, a
//   socket, /dev/stdout and the other descriptor links under /proc) is written directly, with
//   no temporary file and no rename. A FIFO that nobody reads yet fails at once with ENXIO (6)
//   instead of waiting. A folder gives EISDIR (21).
// - After a successful atomic save, a stale PATH.tmp-XXXXXX that a crashed earlier save of the
//   same path left behind (a regular file of this user that no running save holds) is removed.
std::optional<FileError> writeOutputFile(const std::string& path, std::string_view bytes);

// Removes the file at the path; one that is not there already is no failure.
std::optional<FileError> removeFileIfPresent(const std::string& path);

// The folder part of a path with its trailing separator, "" for a bare name.
std::string folderOf(const std::string& path);

// Writes the bytes to standard output, checked, for the command line's "-".
std::optional<FileError> writeStandardOutput(std::string_view bytes);
