// Loading and saving kortools.dat: nothing but the user's own regular file is read, nothing else
// is written, and whatever fails while saving leaves the previous file whole.
#include "StateFileScratch.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <memory>
#include <stdexcept>

namespace {

TEST_F(StateFileTest, SavedFileLoadsBackByteForByte)
{
    Loaded nothing;
    EXPECT_FALSE(LoadStateFile(nothing.Reader()));
    EXPECT_EQ(nothing.Bytes, std::nullopt);

    // Largest first, so each save replaces a longer file, whose tail must not survive.
    for (std::size_t size : {300000u, 928u, 0u}) {
        SCOPED_TRACE(size);
        const std::string bytes = Bytes(size, static_cast<unsigned>(size));
        EXPECT_TRUE(SaveStateFile(Writing(bytes)));
        EXPECT_EQ(Names(Dir), std::vector<std::string>{"kortools.dat"});
        EXPECT_EQ(ModeOf(StatePath()), 0600u);
        Loaded loaded;
        EXPECT_TRUE(LoadStateFile(loaded.Reader()));
        EXPECT_EQ(loaded.Bytes, bytes);
    }
}

TEST_F(StateFileTest, AnythingButTheUsersRegularFileIsNeitherReadNorWritten)
{
    const std::string victim = Dir + "/victim";
    const struct {
        const char* label;
        std::function<void()> plant;
    } planted[] = {
        {"a link to the user's file", [&] { ::symlink(victim.c_str(), StatePath().c_str()); }},
        {"a link to nowhere", [&] { ::symlink((Dir + "/nowhere").c_str(), StatePath().c_str()); }},
        {"a pipe, which must not hang loading", [&] { ::mkfifo(StatePath().c_str(), 0600); }},
        {"a directory", [&] { ::mkdir(StatePath().c_str(), 0700); }},
    };
    // What is planted in the new place is no absent file: the old place is not read instead.
    WriteFile(OldDir + "/kortools.dat", "old place");
    for (const auto& row : planted) {
        SCOPED_TRACE(row.label);
        WriteFile(victim, "victim");
        row.plant();
        const auto before = Snapshot(Dir);
        Loaded loaded;
        EXPECT_FALSE(LoadStateFile(loaded.Reader()));
        EXPECT_EQ(loaded.Bytes, std::nullopt);
        const StateSaveResult saved = SaveStateFile(Writing("new"));
        EXPECT_FALSE(saved);
        EXPECT_EQ(saved.Reason, "it is not a regular file");
        EXPECT_EQ(Snapshot(Dir), before);
        std::filesystem::remove_all(Dir);
        ASSERT_EQ(::mkdir(Dir.c_str(), 0700), 0);
    }
}

TEST_F(StateFileTest, FileOfAnotherUserIsNeitherReadNorWritten)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a file to another user";
    WriteFile(StatePath(), "planted");
    ASSERT_EQ(::chown(StatePath().c_str(), OtherUser, OtherUser), 0);
    const auto before = Snapshot(Dir);
    Loaded loaded;
    EXPECT_FALSE(LoadStateFile(loaded.Reader()));
    EXPECT_EQ(loaded.Bytes, std::nullopt);
    EXPECT_EQ(SaveStateFile(Writing("new")).Reason, "the file belongs to another user");
    EXPECT_EQ(Snapshot(Dir), before);
}

// A write that takes at most `budget` bytes in all, then reports a full disk.
std::function<ssize_t(int, const void*, std::size_t)> DiskFullAfter(std::size_t budget)
{
    auto left = std::make_shared<std::size_t>(budget);
    return [left](int fd, const void* data, std::size_t size) -> ssize_t {
        if (*left == 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = ::write(fd, data, std::min(size, *left));
        if (written > 0)
            *left -= static_cast<std::size_t>(written);
        return written;
    };
}

// Any of the calls, failing with `error`.
auto Fails(int error)
{
    return [error](auto...) {
        errno = error;
        return -1;
    };
}

// Each failure also says why, in the system's words, and where.
TEST_F(StateFileTest, FailedSaveLeavesThePreviousFileWholeAndNoTemporaryFile)
{
    const std::string newBytes = Bytes(928, 7);
    const struct {
        const char* label;
        std::function<void(StateFileSystem&)> breakIt;
        const char* reason;
    } failures[] = {
        {"no room for a new file", [](auto& calls) { calls.OpenAt = Fails(ENOSPC); }, "No space left on device"},
        {"every new name taken", [](auto& calls) { calls.OpenAt = Fails(EEXIST); }, "File exists"},
        {"disk full at once", [](auto& calls) { calls.Write = DiskFullAfter(0); }, "No space left on device"},
        {"disk full half-way", [](auto& calls) { calls.Write = DiskFullAfter(464); }, "No space left on device"},
        {"a write that never progresses", [](auto& calls) { calls.Write = [](int, const void*, std::size_t) -> ssize_t { return 0; }; }, "Input/output error"},
        {"sync fails", [](auto& calls) { calls.Sync = Fails(EIO); }, "Input/output error"},
        {"close fails", [](auto& calls) { calls.Close = [](int fd) { ::close(fd); errno = EDQUOT; return -1; }; }, "Disk quota exceeded"},
        {"rename fails", [](auto& calls) { calls.Rename = Fails(EROFS); }, "Read-only file system"},
    };
    const std::optional<std::string> previousFiles[] = {Bytes(1500, 3), std::nullopt};
    for (const auto& previous : previousFiles) {
        for (const auto& row : failures) {
            SCOPED_TRACE(std::string(row.label) + (previous ? ", over a previous file" : ", no previous file"));
            std::filesystem::remove(StatePath());
            if (previous)
                WriteFile(StatePath(), *previous);
            const auto before = Snapshot(Dir);
            StateFileSystem calls;
            row.breakIt(calls);
            const StateSaveResult saved = SaveStateFile(Writing(newBytes), calls);
            EXPECT_FALSE(saved);
            EXPECT_EQ(saved.Reason, row.reason);
            EXPECT_EQ(saved.Path, StatePath());
            EXPECT_EQ(Snapshot(Dir), before);
        }
    }
}

TEST_F(StateFileTest, ShortWritesInterruptionsAndATakenNameStillSaveTheWholeFile)
{
    std::vector<std::string> names;
    Calls.OpenAt = [&names](int dir, const char* name, int flags, mode_t mode) {
        names.push_back(name);
        if (names.size() == 1) {
            errno = EEXIST;
            return -1;
        }
        return ::openat(dir, name, flags, mode);
    };
    int calls = 0;
    Calls.Write = [&calls](int fd, const void* data, std::size_t size) -> ssize_t {
        if (++calls % 2 == 0) {
            errno = EINTR;
            return -1;
        }
        return ::write(fd, data, std::min<std::size_t>(size, 7));
    };
    const std::string bytes = Bytes(928, 1);
    EXPECT_TRUE(SaveStateFile(Writing(bytes), Calls));
    EXPECT_EQ(ReadFile(StatePath()), bytes);
    EXPECT_EQ(Names(Dir), std::vector<std::string>{"kortools.dat"});
    ASSERT_EQ(names.size(), 2u);
    EXPECT_NE(names[0], names[1]);
}

// A kill at any instant must leave the old file or the new one: the new one replaces the old only
// when it is complete and on disk.
TEST_F(StateFileTest, NewFileIsWholeAndSyncedWhenItReplacesTheOld)
{
    const std::string oldBytes = Bytes(1500, 2);
    const std::string newBytes = Bytes(928, 9);
    WriteFile(StatePath(), oldBytes);
    std::vector<std::string> steps;
    Calls.Write = [&](int fd, const void* data, std::size_t size) {
        steps.push_back("write " + std::to_string(fd));
        return ::write(fd, data, size);
    };
    Calls.Sync = [&](int fd) {
        steps.push_back("sync " + std::to_string(fd));
        return ::fsync(fd);
    };
    Calls.Close = [&](int fd) {
        steps.push_back("close " + std::to_string(fd));
        return ::close(fd);
    };
    Calls.Rename = [&](int dir, const char* from, const char* to) {
        steps.push_back("rename");
        const std::string temporary = Dir + "/" + from;
        EXPECT_EQ(std::string(to), "kortools.dat");
        EXPECT_EQ(ReadFile(temporary), newBytes);
        EXPECT_EQ(ModeOf(temporary), 0600u);
        EXPECT_EQ(ReadFile(StatePath()), oldBytes);
        return ::renameat(dir, from, dir, to);
    };
    EXPECT_TRUE(SaveStateFile(Writing(newBytes), Calls));
    ASSERT_GE(steps.size(), 4u);
    const std::string fd = steps.front().substr(6);
    EXPECT_EQ(std::vector<std::string>(steps.end() - 3, steps.end()),
              (std::vector<std::string>{"sync " + fd, "close " + fd, "rename"}));
    EXPECT_EQ(ReadFile(StatePath()), newBytes);
}

TEST_F(StateFileTest, FileReplacedByALinkWhileSavingIsLeftAlone)
{
    const std::string victim = Dir + "/victim";
    WriteFile(victim, "victim");
    WriteFile(StatePath(), "old");
    Calls.Sync = [&](int fd) {
        std::filesystem::remove(StatePath());
        std::filesystem::create_symlink(victim, StatePath());
        return ::fsync(fd);
    };
    EXPECT_FALSE(SaveStateFile(Writing("new"), Calls));
    EXPECT_EQ(ReadFile(victim), "victim");
    EXPECT_TRUE(std::filesystem::is_symlink(StatePath()));
    EXPECT_EQ(Names(Dir), (std::vector<std::string>{"kortools.dat", "victim"}));
}

TEST_F(StateFileTest, WriterThatThrowsSavesNothing)
{
    WriteFile(StatePath(), "old");
    const auto before = Snapshot(Dir);
    EXPECT_FALSE(SaveStateFile([](std::FILE* file) {
        std::fputs("half", file);
        throw std::runtime_error("writer failed");
    }));
    EXPECT_EQ(Snapshot(Dir), before);
}

// kortools.json beside kortools.dat: saved and loaded alike, neither touching the other, and with
// no old place, as it came after the values moved to the state home.
TEST_F(StateFileTest, JsonFileIsKeptBesideTheRecordsWithoutAnOldPlace)
{
    EXPECT_EQ(GetStateFilePath(StateFile::Json), Dir + "/kortools.json");
    WriteFile(OldDir + "/kortools.json", "old place");
    Loaded json;
    EXPECT_FALSE(LoadStateFile(StateFile::Json, json.Reader(), Calls));
    EXPECT_TRUE(SaveStateFile(Writing("records")));
    EXPECT_TRUE(SaveStateFile(StateFile::Json, Writing("json")));
    EXPECT_TRUE(LoadStateFile(StateFile::Json, json.Reader()));
    EXPECT_EQ(json.Bytes, "json");
    EXPECT_EQ(ReadFile(StatePath()), "records");
    EXPECT_EQ(Names(Dir), (std::vector<std::string>{"kortools.dat", "kortools.json"}));
}

} // namespace
