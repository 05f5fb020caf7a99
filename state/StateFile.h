// The files that keep every tool's values from one run to the next: where they live, and reading
// and writing them so that nothing can lose, corrupt or inject them. kortools.dat holds the first
// fourteen tools as other copies of the program read it; kortools.json beside it holds the tools
// added since. Both follow the same rules.
//
// The files live in $XDG_STATE_HOME/kortools/ ($XDG_STATE_HOME when it is an absolute path, else
// ~/.local/state), which survives a reboot. The directory kortools is created with mode 0700 when
// missing, tightened to 0700 when it is the user's own but open to others, and refused when it
// belongs to somebody else or is anything but a real directory.
//
// Earlier versions kept kortools.dat in the temporary directory ($TMPDIR when it names an
// existing directory, else /tmp), or in its private subdirectory kortools-<uid> where others may
// write to it. While the new place holds no file, the file there is read; it is never written
// again, so the first save moves the values for good and the old file is left as it was.
// kortools.json came after the move, so it has no old place.
#pragma once

#include <cstdio>
#include <functional>
#include <optional>
#include <string>

// The files of the state directory. Only these names are ever opened there.
enum class StateFile {
    Records, // kortools.dat
    Json,    // kortools.json
};

// The path of the file in its place, or none when the user has no home directory to put it in.
// Only works the path out: nothing is looked at or created.
std::optional<std::string> GetStateFilePath(StateFile which = StateFile::Records);

// Opens the file for reading and hands it to `read`: the file in the new place, or, while there
// is none there, kortools.dat in the old place. Nothing happens (false) when there is no file, or
// the path is anything but a regular file owned by the user (a symbolic link is never followed),
// or the new place's directory is refused. Creates nothing.
bool LoadStateFile(StateFile which, const std::function<void(std::FILE*)>& read);
// The same for kortools.dat.
bool LoadStateFile(const std::function<void(std::FILE*)>& read);

// What became of a save: true when the file was saved; otherwise the path that could not be used
// and the reason, the system's own wherever there is one ("No space left on device").
struct StateSaveResult {
    std::string Path;
    std::string Reason;

    explicit operator bool() const { return Reason.empty(); }
};

// Writes what `write` puts into the stream as the new file in the new place, replacing the
// previous one only once the whole new file is on disk: it goes to a new temporary file in the
// same directory, created exclusively under an unpredictable name, flushed and synced, then
// renamed over the file. Whatever fails, the previous file stays whole and no temporary file is
// left behind; a path that is anything but a regular file owned by the user (or nothing) is left
// alone.
StateSaveResult SaveStateFile(StateFile which, const std::function<void(std::FILE*)>& write);
// The same for kortools.dat.
StateSaveResult SaveStateFile(const std::function<void(std::FILE*)>& write);
