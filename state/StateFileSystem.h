// The system calls through which the state files are saved, gathered in one place so that a test
// can make any of them fail as a full disk, a dying file system or a killed process would, and the
// temporary directory to fall back on when looking for kortools.dat in its old place, so that a
// test never reaches the user's own.
#pragma once

#include "state/StateFile.h"

#include <sys/types.h>

#include <cstddef>
#include <cstdio>
#include <functional>
#include <optional>
#include <string>

struct StateFileSystem {
    // The calls of this system: openat, write, fsync, close and renameat, and /tmp.
    StateFileSystem();

    // Each behaves as the call it is named after: -1 with errno set when it fails. Close releases
    // the descriptor whatever it returns, as close() does.
    std::function<int(int dir, const char* name, int flags, mode_t mode)> OpenAt; // the new file
    std::function<ssize_t(int fd, const void* data, std::size_t size)> Write;
    std::function<int(int fd)> Sync;
    std::function<int(int fd)> Close;
    std::function<int(int dir, const char* from, const char* to)> Rename; // within one directory

    // The temporary directory when $TMPDIR names none: where the old place is looked for.
    std::string FallbackTempDir;
};

bool LoadStateFile(StateFile which, const std::function<void(std::FILE*)>& read, const StateFileSystem& system);
StateSaveResult SaveStateFile(StateFile which, const std::function<void(std::FILE*)>& write,
                              const StateFileSystem& system);
// The same for kortools.dat.
bool LoadStateFile(const std::function<void(std::FILE*)>& read, const StateFileSystem& system);
StateSaveResult SaveStateFile(const std::function<void(std::FILE*)>& write, const StateFileSystem& system);
