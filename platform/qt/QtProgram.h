// Starts the Qt side of the program around the application's own start-up, so that nothing
// outside this folder needs to know Qt.
#pragma once

#include <functional>
#include <span>
#include <string>
#include <string_view>

struct QtProgramInfo {
    std::string name;
    std::string version;
    std::string organisation;
    std::string desktopFileName;
    std::span<const std::span<const unsigned char>> iconPngs;
    // What --help prints.
    std::string_view help;
};

// Answers --help and --version without a display. Otherwise creates the application, installs
// the Qt host as the dialog host, sets the icon every window shows, closes the dialogs when the
// session ends, then calls run and returns once it does. When no display can be opened it says
// so in one line on stderr and exits with status 1.
int RunQtProgram(int argc, char* argv[], const QtProgramInfo& info, const std::function<void()>& run);
