#include "state/StateFile.h"
#include "state/StateFileSystem.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

// Every step below works relative to a descriptor of the state directory that was checked once
// it was open, never by path: between a check by path and the use of that path, anyone who may
// write to a directory on the way could have put a link or a directory of theirs in its place.

namespace {

const char* FileName(StateFile which)
{
    return which == StateFile::Json ? "kortools.json" : "kortools.dat";
}

class Descriptor {
public:
    Descriptor() = default;
    explicit Descriptor(int fd) : m_fd(fd) {}
    Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    Descriptor& operator=(Descriptor&&) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }
    explicit operator bool() const { return m_fd >= 0; }

private:
    int m_fd = -1;
};

struct StateDirectory {
    Descriptor Dir;
    std::string Path; // ends with '/'
};

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using FilePtr = std::unique_ptr<std::FILE, FileCloser>;

bool IsUsersRegularFile(const struct stat& st)
{
    return S_ISREG(st.st_mode) && st.st_uid == ::getuid();
}

// Someone else may create, rename or remove entries in the directory: its group or everybody may
// write to it, it is marked for sharing (the sticky bit), or it belongs to another user. A
// directory of root's that only root may write to is not shared: root can write anywhere anyway.
bool IsShared(const struct stat& st)
{
    if ((st.st_mode & (S_IWGRP | S_IWOTH | S_ISVTX)) != 0)
        return true;
    return st.st_uid != ::getuid() && st.st_uid != 0;
}

std::string TempDirPath(const StateFileSystem& system)
{
    const char* tmpdir = std::getenv("TMPDIR");
    struct stat st {};
    if (tmpdir && *tmpdir && ::stat(tmpdir, &st) == 0 && S_ISDIR(st.st_mode))
        return tmpdir;
    return system.FallbackTempDir;
}

StateSaveResult Failed(std::string path, std::string reason)
{
    return StateSaveResult{std::move(path), std::move(reason)};
}

StateSaveResult Failed(std::string path, int error)
{
    return Failed(std::move(path), std::strerror(error != 0 ? error : EIO));
}

std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

// $XDG_STATE_HOME, or ~/.local/state. A relative $XDG_STATE_HOME would depend on where the
// program was started, so it is ignored, as the base directory rules ask.
std::optional<std::string> StateHome()
{
    const char* state = std::getenv("XDG_STATE_HOME");
    if (state && state[0] == '/')
        return WithoutTrailingSlashes(state);
    std::string home;
    if (const char* env = std::getenv("HOME"); env && env[0] == '/')
        home = env;
    else if (const passwd* user = ::getpwuid(::getuid()); user && user->pw_dir && user->pw_dir[0] == '/')
        home = user->pw_dir;
    else
        return std::nullopt;
    home = WithoutTrailingSlashes(home);
    return (home == "/" ? "" : home) + "/.local/state";
}

// Makes the state home and whatever is missing above it, with the mode the user's umask gives
// new directories, as mkdir -p would.
bool MakeParents(const std::string& path, StateSaveResult& failure)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string prefix = path.substr(0, slash);
        if (::mkdir(prefix.c_str(), 0777) != 0 && errno != EEXIST) {
            failure = Failed(prefix, errno);
            return false;
        }
        if (slash == std::string::npos)
            return true;
    }
}

enum class Place { Opened, Absent, Refused };

// The directory kortools in the state home. Only a save creates it (and what is missing above
// it); a directory of the user's that others may enter is tightened, and anything else than the
// user's own real directory is refused, with the reason in `failure`.
Place OpenNewPlace(bool create, std::optional<StateDirectory>& opened, StateSaveResult& failure)
{
    const std::optional<std::string> home = StateHome();
    if (!home) {
        failure = Failed("~/.local/state", "there is no home directory");
        return Place::Absent;
    }
    const std::string path = *home + "/kortools";
    if (create && !MakeParents(*home, failure))
        return Place::Absent;
    // The state home itself may be reached through a link: the user chose it.
    Descriptor base(::open(home->c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!base) {
        failure = Failed(*home, errno);
        return Place::Absent;
    }
    if (create && ::mkdirat(base.Get(), "kortools", 0700) != 0 && errno != EEXIST) {
        failure = Failed(path, errno);
        return Place::Absent;
    }
    struct stat st {};
    if (::fstatat(base.Get(), "kortools", &st, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        failure = Failed(path, error);
        return error == ENOENT ? Place::Absent : Place::Refused;
    }
    if (S_ISLNK(st.st_mode)) {
        failure = Failed(path, "it is a symbolic link, which is never followed");
        return Place::Refused;
    }
    Descriptor own(::openat(base.Get(), "kortools", O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!own || ::fstat(own.Get(), &st) != 0) {
        failure = Failed(path, errno);
        return Place::Refused;
    }
    if (st.st_uid != ::getuid()) {
        failure = Failed(path, "the directory belongs to another user");
        return Place::Refused;
    }
    if ((st.st_mode & 077) != 0 && ::fchmod(own.Get(), 0700) != 0) {
        failure = Failed(path, errno);
        return Place::Refused;
    }
    opened.emplace(StateDirectory{std::move(own), path + '/'});
    return Place::Opened;
}

// Where earlier versions kept the file, looked up as they did but never created: loading from
// there is the only thing left to do with it.
std::optional<StateDirectory> OpenOldPlace(const StateFileSystem& system)
{
    std::string path = TempDirPath(system);
    if (path.empty())
        return std::nullopt;
    // The temporary directory itself may be reached through a link: the user chose it.
    Descriptor temp(::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat st {};
    if (!temp || ::fstat(temp.Get(), &st) != 0 || !S_ISDIR(st.st_mode))
        return std::nullopt;
    if (path.back() != '/')
        path += '/';
    if (!IsShared(st))
        return StateDirectory{std::move(temp), std::move(path)};

    // Whatever is found there must be the user's own directory that nobody else may enter; a
    // link, or a directory someone made first, is left as it is and nothing is read.
    const std::string name = "kortools-" + std::to_string(::getuid());
    Descriptor own(::openat(temp.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!own || ::fstat(own.Get(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()
        || (st.st_mode & 077) != 0)
        return std::nullopt;
    return StateDirectory{std::move(own), path + name + '/'};
}

// The state file may be replaced when it is absent or a regular file of the user's: a link, a
// device, a directory or a file somebody else planted is left alone. Otherwise the reason.
std::optional<std::string> WhyNotReplace(int dir, const char* name)
{
    struct stat st {};
    if (::fstatat(dir, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
        if (IsUsersRegularFile(st))
            return std::nullopt;
        return std::string(S_ISREG(st.st_mode) ? "the file belongs to another user" : "it is not a regular file");
    }
    if (errno == ENOENT)
        return std::nullopt;
    return std::string(std::strerror(errno));
}

// Everything `write` puts out, or none when the stream failed.
std::optional<std::string> Serialize(const std::function<void(std::FILE*)>& write)
{
    // Closes the stream, then frees its buffer, whichever way this returns.
    struct MemoryStream {
        char* Buffer = nullptr;
        std::size_t Size = 0;
        std::FILE* File = nullptr;
        ~MemoryStream()
        {
            if (File)
                std::fclose(File);
            std::free(Buffer);
        }
    } stream;
    stream.File = ::open_memstream(&stream.Buffer, &stream.Size);
    if (!stream.File)
        return std::nullopt;
    write(stream.File);
    const bool good = std::fflush(stream.File) == 0 && !std::ferror(stream.File);
    const bool closed = std::fclose(std::exchange(stream.File, nullptr)) == 0;
    if (!good || !closed || !stream.Buffer)
        return std::nullopt;
    return std::string(stream.Buffer, stream.Size);
}

// A name no other program can guess, so nobody can prepare anything under it.
std::string TemporaryName(const char* fileName)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::uint64_t random[2] = {};
    if (::getrandom(random, sizeof random, GRND_NONBLOCK) != static_cast<ssize_t>(sizeof random)) {
        // Only early in boot; the file is created exclusively all the same.
        static std::uint64_t counter = 0;
        timespec now {};
        ::clock_gettime(CLOCK_REALTIME, &now);
        random[0] = static_cast<std::uint64_t>(now.tv_nsec) ^ (static_cast<std::uint64_t>(now.tv_sec) << 30);
        random[1] = (static_cast<std::uint64_t>(::getpid()) << 32) ^ ++counter;
    }
    std::string name = std::string(fileName) + '.';
    for (std::uint64_t part : random)
        for (int i = 0; i < 8; ++i, part /= 62)
            name += Letters[part % 62];
    return name;
}

// 0, or the error that stopped the writing.
int WriteAll(const StateFileSystem& system, int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        errno = 0;
        const ssize_t written = system.Write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        // No progress at all would never end.
        if (written <= 0 || static_cast<std::size_t>(written) > left)
            return written < 0 && errno != 0 ? errno : EIO;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return 0;
}

// Puts `bytes` into a new file of the directory and only then renames it over the state file,
// so that whatever happens, at any instant the state file is either the old one or the new one.
StateSaveResult Replace(const StateFileSystem& system, const StateDirectory& place, const char* name,
                        const std::string& bytes)
{
    const int dir = place.Dir.Get();
    const std::string path = place.Path + name;
    if (auto why = WhyNotReplace(dir, name))
        return Failed(path, *why);

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName(name);
        fd = system.OpenAt(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                           0600);
        if (fd < 0 && errno != EEXIST)
            return Failed(path, errno);
    }
    if (fd < 0)
        return Failed(path, EEXIST);

    int error = WriteAll(system, fd, bytes);
    if (error == 0 && system.Sync(fd) != 0)
        error = errno;
    if (system.Close(fd) != 0 && error == 0)
        error = errno;
    StateSaveResult result;
    if (error != 0)
        result = Failed(path, error);
    // Look again: the file may have been replaced by something else while this one was written.
    else if (auto why = WhyNotReplace(dir, name))
        result = Failed(path, *why);
    else if (system.Rename(dir, temporary.c_str(), name) != 0)
        result = Failed(path, errno);
    if (!result) {
        ::unlinkat(dir, temporary.c_str(), 0);
        return result;
    }
    // Makes the rename itself durable; the file is whole either way, so a failure changes nothing.
    ::fsync(dir);
    return result;
}

enum class Reading { Done, Absent, Refused };

Reading ReadFrom(int dir, const char* name, const std::function<void(std::FILE*)>& read)
{
    // Looked at before it is opened, so that opening never has a device's side effects;
    // then the file that was opened is checked again, as it may have changed in between.
    struct stat before {};
    if (::fstatat(dir, name, &before, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT ? Reading::Absent : Reading::Refused;
    if (!IsUsersRegularFile(before))
        return Reading::Refused;
    // Without O_NONBLOCK a pipe put there in between would hang the program's start.
    Descriptor fd(::openat(dir, name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (!fd || ::fstat(fd.Get(), &st) != 0 || !IsUsersRegularFile(st) || st.st_dev != before.st_dev
        || st.st_ino != before.st_ino)
        return Reading::Refused;
    const int flags = ::fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
        return Reading::Refused;
    FilePtr file(::fdopen(fd.Get(), "rb"));
    if (!file)
        return Reading::Refused;
    fd.Release();
    read(file.get());
    return Reading::Done;
}

} // namespace

StateFileSystem::StateFileSystem()
    : OpenAt([](int dir, const char* name, int flags, mode_t mode) { return ::openat(dir, name, flags, mode); }),
      Write([](int fd, const void* data, std::size_t size) { return ::write(fd, data, size); }),
      Sync([](int fd) { return ::fsync(fd); }),
      Close([](int fd) { return ::close(fd); }),
      Rename([](int dir, const char* from, const char* to) { return ::renameat(dir, from, dir, to); }),
      FallbackTempDir("/tmp")
{
}

std::optional<std::string> GetStateFilePath(StateFile which)
{
    try {
        if (auto home = StateHome())
            return *home + "/kortools/" + FileName(which);
    } catch (...) {
    }
    return std::nullopt;
}

bool LoadStateFile(StateFile which, const std::function<void(std::FILE*)>& read, const StateFileSystem& system)
{
    try {
        if (!read)
            return false;
        const char* name = FileName(which);
        std::optional<StateDirectory> dir;
        StateSaveResult ignored;
        switch (OpenNewPlace(false, dir, ignored)) {
        case Place::Refused:
            return false;
        case Place::Opened:
            if (const Reading done = ReadFrom(dir->Dir.Get(), name, read); done != Reading::Absent)
                return done == Reading::Done;
            break;
        case Place::Absent:
            break;
        }
        // Only kortools.dat was ever kept in the old place.
        if (which != StateFile::Records)
            return false;
        auto old = OpenOldPlace(system);
        return old && ReadFrom(old->Dir.Get(), name, read) == Reading::Done;
    } catch (...) {
        return false;
    }
}

StateSaveResult SaveStateFile(StateFile which, const std::function<void(std::FILE*)>& write,
                              const StateFileSystem& system)
{
    const std::string path = GetStateFilePath(which).value_or(FileName(which));
    try {
        if (!write)
            return Failed(path, "there was nothing to write");
        // The whole file is made in memory first: nothing on disk is touched by a writer that
        // fails, and the file is written with calls whose every result is seen.
        const std::optional<std::string> bytes = Serialize(write);
        if (!bytes)
            return Failed(path, "the values could not be put into the file's form");
        std::optional<StateDirectory> dir;
        StateSaveResult failure;
        if (OpenNewPlace(true, dir, failure) != Place::Opened)
            return failure;
        return Replace(system, *dir, FileName(which), *bytes);
    } catch (...) {
        return Failed(path, "the program ran out of memory");
    }
}

bool LoadStateFile(const std::function<void(std::FILE*)>& read, const StateFileSystem& system)
{
    return LoadStateFile(StateFile::Records, read, system);
}

StateSaveResult SaveStateFile(const std::function<void(std::FILE*)>& write, const StateFileSystem& system)
{
    return SaveStateFile(StateFile::Records, write, system);
}

bool LoadStateFile(StateFile which, const std::function<void(std::FILE*)>& read)
{
    return LoadStateFile(which, read, StateFileSystem());
}

StateSaveResult SaveStateFile(StateFile which, const std::function<void(std::FILE*)>& write)
{
    return SaveStateFile(which, write, StateFileSystem());
}

bool LoadStateFile(const std::function<void(std::FILE*)>& read)
{
    return LoadStateFile(StateFile::Records, read);
}

StateSaveResult SaveStateFile(const std::function<void(std::FILE*)>& write)
{
    return SaveStateFile(StateFile::Records, write);
}
