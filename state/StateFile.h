// The file kortools.dat, which keeps every tool's values from one run to the next: where it
// lives, and reading and writing it so that nothing can lose, corrupt or inject them.
//
// The file lives in the user's temporary directory ($TMPDIR when it names an existing
// directory, else /tmp). Where others may write to that directory, as in /tmp, it lives instead
// in a private subdirectory kortools-<uid>, created with mode 0700 when missing and used only
// when it is a real directory owned by the user that nobody else may enter.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// The path of kortools.dat, or none when there is no usable directory for it (then nothing is
// loaded or saved, silently).
std::optional<std::string> GetStateFilePath();

// Opens the file for reading and hands it to `read`. Nothing happens (false) when there is no
// path, no file, or the path is anything but a regular file owned by the user: a symbolic link
// is never followed.
bool LoadStateFile(const std::function<void(std::FILE*)>& read);

// Writes what `write` puts into the stream as the new file, replacing the previous one only once
// the whole new file is on disk: it goes to a new temporary file in the same directory, created
// exclusively under an unpredictable name, flushed and synced, then renamed over kortools.dat.
// Whatever fails, the previous file stays whole and no temporary file is left behind; a path
// that is anything but a regular file owned by the user (or nothing) is left alone. False when
// nothing was saved.
bool SaveStateFile(const std::function<void(std::FILE*)>& write);
