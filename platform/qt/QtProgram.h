// Starts the Qt side of the program around the application's own start-up, so that nothing
// outside this folder needs to know Qt.
#pragma once

#include <functional>
#include <span>
#include <string>

struct QtProgramInfo {
    std::string name;
    std::string version;
    std::string organisation;
    std::string desktopFileName;
    std::span<const std::span<const unsigned char>> iconPngs;
};

// Creates the application, installs the Qt host as the dialog host, sets the icon every window
// shows, closes the dialogs when the session ends, then calls run and returns once it does.
int RunQtProgram(int argc, char* argv[], const QtProgramInfo& info, const std::function<void()>& run);
