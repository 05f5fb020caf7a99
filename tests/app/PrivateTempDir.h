// A temporary directory of a test's own, named by TMPDIR while it lives, with XDG_STATE_HOME
// naming its subdirectory state. The launcher keeps its values in the state home from one run to
// the next, and reads them from the temporary directory where earlier versions kept them; in here
// a test's launcher finds nothing that another test, or the user, left, and leaves nothing
// behind for anyone.
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
    std::string StateHome() const { return m_path + "/state"; }

private:
    std::string m_path;
    // TMPDIR and XDG_STATE_HOME as they were, or none when they were not set.
    std::optional<std::string> m_previous;
    std::optional<std::string> m_previousStateHome;
};
