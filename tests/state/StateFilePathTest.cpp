// Where kortools.dat lives: in the state home's directory kortools, made private when it is the
// user's own and refused when it is not; and the old place in the temporary directory, which is
// only ever read, and only while the new place holds no file.
#include "StateFileScratch.h"

#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string PrivateName()
{
    return "kortools-" + std::to_string(::getuid());
}

void MakeDir(const std::string& path, mode_t mode)
{
    ASSERT_EQ(::mkdir(path.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
}

std::optional<std::string> LoadedBytes()
{
    Loaded loaded;
    const bool read = LoadStateFile(loaded.Reader());
    EXPECT_EQ(read, loaded.Bytes.has_value());
    return loaded.Bytes;
}

TEST_F(StateFileTest, StateHomeComesFromXdgStateHomeWhenAbsoluteElseFromHome)
{
    const std::string home = Scratch("home");
    const std::string defaultDir = home + "/.local/state/kortools";
    const struct {
        const char* label;
        std::optional<std::string> xdg;
        std::string dir;
    } rows[] = {
        {"set", Scratch("xdg"), Scratch("xdg") + "/kortools"},
        {"set with a trailing slash", Scratch("xdg") + "/", Scratch("xdg") + "/kortools"},
        {"unset", std::nullopt, defaultDir},
        {"empty", "", defaultDir},
        {"relative, which is ignored", "xdg", defaultDir},
    };
    const mode_t umask = ::umask(022);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        if (row.xdg)
            ::setenv("XDG_STATE_HOME", row.xdg->c_str(), 1);
        else
            ::unsetenv("XDG_STATE_HOME");
        EXPECT_EQ(GetStateFilePath(), row.dir + "/kortools.dat");
        EXPECT_FALSE(std::filesystem::exists(row.dir + "/.."));

        EXPECT_TRUE(SaveStateFile(Writing("saved")));
        EXPECT_EQ(ReadFile(row.dir + "/kortools.dat"), "saved");
        EXPECT_EQ(ModeOf(row.dir), 0700u);
        // The directories above are made as any program of the user's would make them.
        EXPECT_EQ(ModeOf(row.dir + "/.."), 0755u);
        EXPECT_EQ(LoadedBytes(), "saved");
        std::filesystem::remove_all(home);
        std::filesystem::remove_all(Scratch("xdg"));
    }
    ::umask(umask);
}

TEST_F(StateFileTest, OldPlaceIsReadWhileTheNewOneHoldsNoFileAndNeverWritten)
{
    const struct {
        const char* label;
        mode_t tmpMode;
        std::string oldDir; // relative to the temporary directory
    } rows[] = {
        {"a temporary directory of the user's own", 0700, ""},
        {"a shared one, as /tmp", 01777, "/" + PrivateName()},
    };
    std::filesystem::remove_all(StateHome);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        ASSERT_EQ(::chmod(OldDir.c_str(), row.tmpMode), 0);
        if (!row.oldDir.empty())
            MakeDir(OldDir + row.oldDir, 0700);
        const std::string oldFile = OldDir + row.oldDir + "/kortools.dat";
        WriteFile(oldFile, "from the old place");
        const auto oldBefore = Snapshot(OldDir);

        EXPECT_EQ(LoadedBytes(), "from the old place");
        EXPECT_FALSE(std::filesystem::exists(StateHome)); // loading makes nothing
        EXPECT_TRUE(SaveStateFile(Writing("new")));
        EXPECT_EQ(ReadFile(StatePath()), "new");
        EXPECT_EQ(LoadedBytes(), "new");
        EXPECT_EQ(Snapshot(OldDir), oldBefore);

        std::filesystem::remove_all(StateHome);
        std::filesystem::remove(oldFile);
    }
}

TEST_F(StateFileTest, LoadingCreatesNothingAnywhere)
{
    std::filesystem::remove_all(StateHome);
    ASSERT_EQ(::chmod(OldDir.c_str(), 01777), 0);
    ::unsetenv("XDG_STATE_HOME");
    const auto before = Snapshot(Root());
    EXPECT_EQ(LoadedBytes(), std::nullopt);
    EXPECT_EQ(GetStateFilePath(), Scratch("home") + "/.local/state/kortools/kortools.dat");
    EXPECT_EQ(Snapshot(Root()), before);
}

TEST_F(StateFileTest, OldPlaceIsReadOnlyFromADirectoryThatIsTheUsersAlone)
{
    ASSERT_EQ(::chmod(OldDir.c_str(), 01777), 0);
    const std::string own = OldDir + "/" + PrivateName();
    const std::string elsewhere = Scratch("elsewhere");
    MakeDir(elsewhere, 0700);
    WriteFile(elsewhere + "/kortools.dat", "planted");
    const struct {
        const char* label;
        std::function<void()> plant;
    } planted[] = {
        {"a link to a private directory", [&] { ::symlink(elsewhere.c_str(), own.c_str()); }},
        {"open to all", [&] { MakeDir(own, 0755); }},
        {"open to the group", [&] { MakeDir(own, 0750); }},
        {"others may pass through", [&] { MakeDir(own, 0701); }},
        {"a file", [&] { WriteFile(own, "file"); }},
    };
    for (const auto& row : planted) {
        SCOPED_TRACE(row.label);
        row.plant();
        if (std::filesystem::is_directory(own) && !std::filesystem::is_symlink(own))
            WriteFile(own + "/kortools.dat", "planted");
        EXPECT_EQ(LoadedBytes(), std::nullopt);
        std::filesystem::remove_all(own);
    }
}

TEST_F(StateFileTest, OldPlaceInTheFallbackTemporaryDirectoryWhenTmpdirNamesNone)
{
    WriteFile(Scratch("file"), "not a directory");
    ASSERT_EQ(::mkdir(Calls.FallbackTempDir.c_str(), 0700), 0);
    WriteFile(Calls.FallbackTempDir + "/kortools.dat", "fallback");
    const std::optional<std::string> tmpdirs[] = {std::nullopt, "", Scratch("absent"), Scratch("file")};
    for (const auto& tmpdir : tmpdirs) {
        SCOPED_TRACE(tmpdir.value_or("(unset)"));
        if (tmpdir)
            ::setenv("TMPDIR", tmpdir->c_str(), 1);
        else
            ::unsetenv("TMPDIR");
        Loaded loaded;
        EXPECT_TRUE(LoadStateFile(loaded.Reader(), Calls));
        EXPECT_EQ(loaded.Bytes, "fallback");
    }
}

TEST_F(StateFileTest, DirectoryOfTheUsersOwnThatOthersMayEnterIsMadePrivate)
{
    for (mode_t mode : {0755, 0750, 0777, 0701}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(Dir.c_str(), mode), 0);
        EXPECT_TRUE(SaveStateFile(Writing("saved")));
        EXPECT_EQ(ModeOf(Dir), 0700u);
        EXPECT_EQ(ReadFile(StatePath()), "saved");
    }
}

// Refused: nothing is loaded, not even from the old place, nothing is saved, and the save says
// which directory and why.
void ExpectRefused(const std::string& dir, const std::string& reason, const std::string& oldDir)
{
    WriteFile(oldDir + "/kortools.dat", "old place");
    const auto before = Snapshot(dir + "/..");
    EXPECT_EQ(LoadedBytes(), std::nullopt);
    const StateSaveResult saved = SaveStateFile(Writing("new"));
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.Path, dir);
    EXPECT_EQ(saved.Reason, reason);
    EXPECT_EQ(Snapshot(dir + "/.."), before);
}

TEST_F(StateFileTest, DirectoryThatIsALinkIsRefused)
{
    const std::string elsewhere = Scratch("elsewhere");
    MakeDir(elsewhere, 0700);
    std::filesystem::remove_all(Dir);
    ASSERT_EQ(::symlink(elsewhere.c_str(), Dir.c_str()), 0);
    ExpectRefused(Dir, "it is a symbolic link, which is never followed", OldDir);
    EXPECT_TRUE(Names(elsewhere).empty());
}

TEST_F(StateFileTest, DirectoryOfAnotherUserIsRefused)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a directory to another user";
    WriteFile(StatePath(), "theirs");
    ASSERT_EQ(::chown(StatePath().c_str(), OtherUser, OtherUser), 0);
    ASSERT_EQ(::chown(Dir.c_str(), OtherUser, OtherUser), 0);
    ASSERT_EQ(::chmod(Dir.c_str(), 0755), 0);
    ExpectRefused(Dir, "the directory belongs to another user", OldDir);
    EXPECT_EQ(ModeOf(Dir), 0755u);
}

TEST_F(StateFileTest, StateHomeThatCannotBeMadeIsReportedWithTheSystemsReason)
{
    WriteFile(Scratch("file"), "not a directory");
    ::setenv("XDG_STATE_HOME", (Scratch("file") + "/state").c_str(), 1);
    const StateSaveResult saved = SaveStateFile(Writing("new"));
    EXPECT_FALSE(saved);
    EXPECT_EQ(saved.Path, Scratch("file") + "/state");
    EXPECT_EQ(saved.Reason, "Not a directory");
}

} // namespace
