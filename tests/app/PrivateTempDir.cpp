#include "tests/app/PrivateTempDir.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <vector>

PrivateTempDir::PrivateTempDir()
{
    const char* previous = std::getenv("TMPDIR");
    if (previous)
        m_previous = previous;
    if (const char* stateHome = std::getenv("XDG_STATE_HOME"))
        m_previousStateHome = stateHome;
    const std::string parent = previous && *previous ? previous : "/tmp";
    std::vector<char> name(parent.begin(), parent.end());
    const std::string pattern = "/kortools-test-XXXXXX";
    name.insert(name.end(), pattern.begin(), pattern.end());
    name.push_back('\0');
    if (!mkdtemp(name.data())) {
        ADD_FAILURE() << "could not make a private directory under " << parent;
        return;
    }
    m_path = name.data();
    setenv("TMPDIR", m_path.c_str(), 1);
    setenv("XDG_STATE_HOME", StateHome().c_str(), 1);
}

PrivateTempDir::~PrivateTempDir()
{
    if (m_previous)
        setenv("TMPDIR", m_previous->c_str(), 1);
    else
        unsetenv("TMPDIR");
    if (m_previousStateHome)
        setenv("XDG_STATE_HOME", m_previousStateHome->c_str(), 1);
    else
        unsetenv("XDG_STATE_HOME");
    if (!m_path.empty()) {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
}

namespace {

// Gives each test a private directory from before its fixture is built until after it is gone.
class EachTestInPrivateTempDir : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { m_dir = std::make_unique<PrivateTempDir>(); }
    void OnTestEnd(const testing::TestInfo&) override { m_dir.reset(); }

    std::unique_ptr<PrivateTempDir> m_dir;
};

const bool Registered = [] {
    testing::UnitTest::GetInstance()->listeners().Append(new EachTestInPrivateTempDir);
    return true;
}();

} // namespace
