// Each test gets a scratch directory of its own with $XDG_STATE_HOME, $HOME and $TMPDIR pointing
// into it, so no test ever reaches the user's own kortools.dat, new place or old, and the
// temporary directory that stands in for /tmp when $TMPDIR names none is inside it too.
#pragma once

#include "state/StateFileSystem.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <vector>

inline constexpr uid_t OtherUser = 65534; // nobody

inline std::string Bytes(std::size_t size, unsigned seed)
{
    std::string bytes(size, '\0');
    for (std::size_t i = 0; i < size; ++i)
        bytes[i] = static_cast<char>((i * 131 + seed) % 256);
    return bytes;
}

inline std::function<void(std::FILE*)> Writing(std::string bytes)
{
    return [bytes](std::FILE* file) { std::fwrite(bytes.data(), 1, bytes.size(), file); };
}

// What the loader handed over, and whether it handed anything over at all.
struct Loaded {
    std::optional<std::string> Bytes;

    std::function<void(std::FILE*)> Reader()
    {
        return [this](std::FILE* file) {
            std::string bytes;
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;)
                bytes.append(buffer, n);
            Bytes = bytes;
        };
    }
};

inline std::string ReadFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFile(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline mode_t ModeOf(const std::string& path)
{
    struct stat st {};
    return ::lstat(path.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

// Everything a directory holds, as far as anybody could tell it changed: each entry's type,
// permissions, owner, and its bytes or the target it links to, or what a directory holds.
inline std::map<std::string, std::string> Snapshot(const std::string& dir)
{
    std::map<std::string, std::string> entries;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(dir, error)) {
        const std::string path = entry.path().string();
        struct stat st {};
        ::lstat(path.c_str(), &st);
        std::string& what = entries[entry.path().filename().string()];
        what = std::to_string(st.st_mode) + " uid " + std::to_string(st.st_uid) + ": ";
        if (S_ISLNK(st.st_mode))
            what += "-> " + std::filesystem::read_symlink(path, error).string();
        else if (S_ISREG(st.st_mode))
            what += ReadFile(path);
        else if (S_ISDIR(st.st_mode))
            for (const auto& [name, inner] : Snapshot(path))
                what += "[" + name + " " + inner + "]";
    }
    return entries;
}

inline std::vector<std::string> Names(const std::string& dir)
{
    std::vector<std::string> names;
    for (const auto& [name, what] : Snapshot(dir))
        names.push_back(name);
    return names;
}

class StateFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"TMPDIR", "XDG_STATE_HOME", "HOME"})
            if (const char* value = std::getenv(name))
                m_savedEnv[name] = value;
        std::error_code error;
        std::string base = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
        if (!std::filesystem::is_directory(base, error))
            base = "/tmp";
        std::string pattern = base + "/statefile-test.XXXXXX";
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_scratch = pattern;
        OldDir = m_scratch + "/tmp";
        ASSERT_EQ(::mkdir(OldDir.c_str(), 0700), 0);
        ::setenv("TMPDIR", OldDir.c_str(), 1);
        StateHome = m_scratch + "/state";
        ::setenv("XDG_STATE_HOME", StateHome.c_str(), 1);
        ::setenv("HOME", Scratch("home").c_str(), 1);
        Dir = StateHome + "/kortools";
        ASSERT_EQ(::mkdir(StateHome.c_str(), 0700), 0);
        ASSERT_EQ(::mkdir(Dir.c_str(), 0700), 0);
        Calls.FallbackTempDir = m_scratch + "/fallback";
    }

    void TearDown() override
    {
        for (const char* name : {"TMPDIR", "XDG_STATE_HOME", "HOME"}) {
            if (auto saved = m_savedEnv.find(name); saved != m_savedEnv.end())
                ::setenv(name, saved->second.c_str(), 1);
            else
                ::unsetenv(name);
        }
        std::error_code error;
        std::filesystem::remove_all(m_scratch, error);
    }

    // A directory beside the others, for what the tests link to or fall back on.
    std::string Scratch(const std::string& name) const { return m_scratch + "/" + name; }

    std::string Root() const { return m_scratch; }
    std::string StatePath() const { return Dir + "/kortools.dat"; }

    std::string StateHome; // what $XDG_STATE_HOME names
    std::string Dir;       // the directory of kortools.dat in it
    std::string OldDir;    // what $TMPDIR names: the old place
    StateFileSystem Calls;

private:
    std::string m_scratch;
    std::map<std::string, std::string> m_savedEnv;
};
