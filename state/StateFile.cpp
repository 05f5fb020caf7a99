#include "state/StateFile.h"
#include "state/StateFileSystem.h"

#include <fcntl.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <utility>

// Every step below works relative to a descriptor of the state directory that was checked once
// it was open, never by path: between a check by path and the use of that path, anyone who may
// write to the temporary directory could have put a link or a directory of theirs in its place.

namespace {

constexpr const char* FileName = "kortools.dat";

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

std::optional<StateDirectory> OpenStateDirectory(const StateFileSystem& system)
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

    const std::string name = "kortools-" + std::to_string(::getuid());
    if (::mkdirat(temp.Get(), name.c_str(), 0700) != 0 && errno != EEXIST)
        return std::nullopt;
    // Whatever is found there must be the user's own directory that nobody else may enter; a
    // link, or a directory someone made first, is left as it is and no state is kept.
    Descriptor own(::openat(temp.Get(), name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!own || ::fstat(own.Get(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::getuid()
        || (st.st_mode & 077) != 0)
        return std::nullopt;
    return StateDirectory{std::move(own), path + name + '/'};
}

// The state file may be replaced when it is absent or a regular file of the user's: a link, a
// device, a directory or a file somebody else planted is left alone.
bool MayReplace(int dir)
{
    struct stat st {};
    if (::fstatat(dir, FileName, &st, AT_SYMLINK_NOFOLLOW) == 0)
        return IsUsersRegularFile(st);
    return errno == ENOENT;
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
std::string TemporaryName()
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
    std::string name = std::string(FileName) + '.';
    for (std::uint64_t part : random)
        for (int i = 0; i < 8; ++i, part /= 62)
            name += Letters[part % 62];
    return name;
}

bool WriteAll(const StateFileSystem& system, int fd, const std::string& bytes)
{
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = system.Write(fd, data, left);
        if (written < 0 && errno == EINTR)
            continue;
        // No progress at all would never end.
        if (written <= 0 || static_cast<std::size_t>(written) > left)
            return false;
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Puts `bytes` into a new file of the directory and only then renames it over the state file,
// so that whatever happens, at any instant the state file is either the old one or the new one.
bool Replace(const StateFileSystem& system, int dir, const std::string& bytes)
{
    if (!MayReplace(dir))
        return false;

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temporary = TemporaryName();
        fd = system.OpenAt(dir, temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC,
                           0600);
        if (fd < 0 && errno != EEXIST)
            return false;
    }
    if (fd < 0)
        return false;

    bool saved = WriteAll(system, fd, bytes) && system.Sync(fd) == 0;
    saved = system.Close(fd) == 0 && saved;
    // Look again: the file may have been replaced by something else while this one was written.
    saved = saved && MayReplace(dir) && system.Rename(dir, temporary.c_str(), FileName) == 0;
    if (!saved) {
        ::unlinkat(dir, temporary.c_str(), 0);
        return false;
    }
    // Makes the rename itself durable; the file is whole either way, so a failure changes nothing.
    ::fsync(dir);
    return true;
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

std::optional<std::string> GetStateFilePath(const StateFileSystem& system)
{
    try {
        if (auto dir = OpenStateDirectory(system))
            return dir->Path + FileName;
    } catch (...) {
    }
    return std::nullopt;
}

bool LoadStateFile(const std::function<void(std::FILE*)>& read, const StateFileSystem& system)
{
    try {
        if (!read)
            return false;
        auto dir = OpenStateDirectory(system);
        if (!dir)
            return false;
        // Looked at before it is opened, so that opening never has a device's side effects;
        // then the file that was opened is checked again, as it may have changed in between.
        struct stat before {};
        if (::fstatat(dir->Dir.Get(), FileName, &before, AT_SYMLINK_NOFOLLOW) != 0 || !IsUsersRegularFile(before))
            return false;
        // Without O_NONBLOCK a pipe put there in between would hang the program's start.
        Descriptor fd(::openat(dir->Dir.Get(), FileName, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        struct stat st {};
        if (!fd || ::fstat(fd.Get(), &st) != 0 || !IsUsersRegularFile(st) || st.st_dev != before.st_dev
            || st.st_ino != before.st_ino)
            return false;
        const int flags = ::fcntl(fd.Get(), F_GETFL);
        if (flags < 0 || ::fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0)
            return false;
        FilePtr file(::fdopen(fd.Get(), "rb"));
        if (!file)
            return false;
        fd.Release();
        read(file.get());
        return true;
    } catch (...) {
        return false;
    }
}

bool SaveStateFile(const std::function<void(std::FILE*)>& write, const StateFileSystem& system)
{
    try {
        if (!write)
            return false;
        // The whole file is made in memory first: nothing on disk is touched by a writer that
        // fails, and the file is written with calls whose every result is seen.
        const std::optional<std::string> bytes = Serialize(write);
        if (!bytes)
            return false;
        auto dir = OpenStateDirectory(system);
        return dir && Replace(system, dir->Dir.Get(), *bytes);
    } catch (...) {
        return false;
    }
}

std::optional<std::string> GetStateFilePath()
{
    return GetStateFilePath(StateFileSystem());
}

bool LoadStateFile(const std::function<void(std::FILE*)>& read)
{
    return LoadStateFile(read, StateFileSystem());
}

bool SaveStateFile(const std::function<void(std::FILE*)>& write)
{
    return SaveStateFile(write, StateFileSystem());
}
