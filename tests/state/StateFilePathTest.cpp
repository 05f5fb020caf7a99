// Where kortools.dat lives: in the user's temporary directory, or in a private directory inside it
// when others may write there, or nowhere.
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

// Nothing may be loaded from or saved to `dir` or anywhere else.
void ExpectNoStateKept(const StateFileSystem& calls, const std::string& dir)
{
    const auto before = Snapshot(dir);
    EXPECT_EQ(GetStateFilePath(calls), std::nullopt);
    Loaded loaded;
    EXPECT_FALSE(LoadStateFile(loaded.Reader(), calls));
    EXPECT_EQ(loaded.Bytes, std::nullopt);
    EXPECT_FALSE(SaveStateFile(Writing("new"), calls));
    EXPECT_EQ(Snapshot(dir), before);
}

TEST_F(StateFileTest, TemporaryDirectoryOnlyTheUserWritesHoldsTheFile)
{
    for (mode_t mode : {0700, 0750, 0755}) {
        SCOPED_TRACE(mode);
        ASSERT_EQ(::chmod(Dir.c_str(), mode), 0);
        EXPECT_EQ(GetStateFilePath(), StatePath());
        EXPECT_TRUE(Names(Dir).empty());
    }
    ::setenv("TMPDIR", (Dir + "/").c_str(), 1);
    EXPECT_EQ(GetStateFilePath(), StatePath());
    // A link the user points $TMPDIR at is the user's choice.
    ASSERT_EQ(::symlink(Dir.c_str(), Scratch("link").c_str()), 0);
    ::setenv("TMPDIR", Scratch("link").c_str(), 1);
    EXPECT_EQ(GetStateFilePath(), Scratch("link") + "/kortools.dat");
}

TEST_F(StateFileTest, SharedTemporaryDirectoryHoldsAPrivateOneForTheFile)
{
    const struct {
        const char* label;
        mode_t mode;
    } shared[] = {
        {"sticky and open to all, as /tmp", 01777},
        {"open to all", 0777},
        {"open to the group", 0770},
        {"others may only add", 0733},
        {"marked for sharing", 01755},
    };
    for (const auto& row : shared) {
        SCOPED_TRACE(row.label);
        const std::string dir = Dir + "/" + std::to_string(row.mode);
        MakeDir(dir, row.mode);
        ::setenv("TMPDIR", dir.c_str(), 1);
        const std::string own = dir + "/" + PrivateName();
        EXPECT_EQ(GetStateFilePath(), own + "/kortools.dat");

        struct stat st {};
        ASSERT_EQ(::lstat(own.c_str(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode));
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_EQ(st.st_uid, ::getuid());

        EXPECT_TRUE(SaveStateFile(Writing("saved")));
        Loaded loaded;
        EXPECT_TRUE(LoadStateFile(loaded.Reader()));
        EXPECT_EQ(loaded.Bytes, "saved");
        EXPECT_EQ(Names(dir), std::vector<std::string>{PrivateName()});
        EXPECT_EQ(Names(own), std::vector<std::string>{"kortools.dat"});
    }
}

TEST_F(StateFileTest, PrivateDirectoryFromAnEarlierRunIsUsedAgain)
{
    ASSERT_EQ(::chmod(Dir.c_str(), 01777), 0);
    const std::string own = Dir + "/" + PrivateName();
    ASSERT_EQ(::mkdir(own.c_str(), 0700), 0);
    WriteFile(own + "/kortools.dat", "earlier run");
    Loaded loaded;
    EXPECT_TRUE(LoadStateFile(loaded.Reader()));
    EXPECT_EQ(loaded.Bytes, "earlier run");
}

TEST_F(StateFileTest, NoStateWhereThePrivateDirectoryIsNotTheUsersAlone)
{
    ASSERT_EQ(::chmod(Dir.c_str(), 01777), 0);
    const std::string own = Dir + "/" + PrivateName();
    const std::string elsewhere = Scratch("elsewhere");
    ASSERT_EQ(::mkdir(elsewhere.c_str(), 0700), 0);
    const struct {
        const char* label;
        std::function<void()> plant;
    } planted[] = {
        {"a link to a private directory", [&] { ::symlink(elsewhere.c_str(), own.c_str()); }},
        {"a link to nowhere", [&] { ::symlink(Scratch("nowhere").c_str(), own.c_str()); }},
        {"open to all", [&] { MakeDir(own, 0755); }},
        {"open to the group", [&] { MakeDir(own, 0750); }},
        {"others may pass through", [&] { MakeDir(own, 0701); }},
        {"a file", [&] { WriteFile(own, "file"); }},
    };
    for (const auto& row : planted) {
        SCOPED_TRACE(row.label);
        row.plant();
        ExpectNoStateKept(Calls, Dir);
        EXPECT_TRUE(Names(elsewhere).empty());
        EXPECT_FALSE(std::filesystem::exists(Scratch("nowhere")));
        std::filesystem::remove_all(own);
    }
}

TEST_F(StateFileTest, NoStateWhereThePrivateDirectoryBelongsToAnotherUser)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a directory to another user";
    ASSERT_EQ(::chmod(Dir.c_str(), 01777), 0);
    const std::string own = Dir + "/" + PrivateName();
    ASSERT_EQ(::mkdir(own.c_str(), 0700), 0);
    ASSERT_EQ(::chown(own.c_str(), OtherUser, OtherUser), 0);
    ExpectNoStateKept(Calls, Dir);
}

TEST_F(StateFileTest, TemporaryDirectoryOfAnotherUserIsShared)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can give a directory to another user";
    ASSERT_EQ(::chmod(Dir.c_str(), 0755), 0);
    ASSERT_EQ(::chown(Dir.c_str(), OtherUser, OtherUser), 0);
    EXPECT_EQ(GetStateFilePath(), Dir + "/" + PrivateName() + "/kortools.dat");
}

TEST_F(StateFileTest, TemporaryDirectoryIsTheFallbackWhenTmpdirNamesNone)
{
    WriteFile(Scratch("file"), "not a directory");
    const std::optional<std::string> tmpdirs[] = {std::nullopt, "", Scratch("absent"), Scratch("file")};
    for (const auto& tmpdir : tmpdirs) {
        SCOPED_TRACE(tmpdir.value_or("(unset)"));
        if (tmpdir)
            ::setenv("TMPDIR", tmpdir->c_str(), 1);
        else
            ::unsetenv("TMPDIR");

        ExpectNoStateKept(Calls, Root()); // the fallback does not exist yet

        ASSERT_EQ(::mkdir(Calls.FallbackTempDir.c_str(), 0700), 0);
        EXPECT_EQ(GetStateFilePath(Calls), Calls.FallbackTempDir + "/kortools.dat");
        EXPECT_TRUE(SaveStateFile(Writing("fallback"), Calls));
        EXPECT_EQ(ReadFile(Calls.FallbackTempDir + "/kortools.dat"), "fallback");
        std::filesystem::remove_all(Calls.FallbackTempDir);
    }
}

} // namespace
