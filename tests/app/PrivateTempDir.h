// A temporary directory of a test's own, named by TMPDIR while it lives. The launcher keeps its
// values in the user's temporary directory from one run to the next; in here a test's launcher
// finds nothing that another test, or the user, left, and leaves nothing behind for anyone.
//
// Every test of this suite runs in one (see PrivateTempDir.cpp); a test that starts the
// launcher several times over makes a fresh one for each start that must begin from nothing.
#pragma once

#include <optional>
#include <string>

class PrivateTempDir {
public:
    PrivateTempDir();
    ~PrivateTempDir();
    PrivateTempDir(const PrivateTempDir&) = delete;
    PrivateTempDir& operator=(const PrivateTempDir&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::optional<std::string> m_previous; // TMPDIR as it was, or none when it was not set
};
