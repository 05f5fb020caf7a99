#include "platform/qt/QtProgram.h"

#include "platform/DialogHost.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/SessionEnd.h"

#include <QApplication>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

namespace {

std::string Described(const char* name, const char* value)
{
    if (!value || !*value)
        return std::string(name) + " is not set";
    return std::string(name) + " is \"" + value + "\"";
}

bool HasArgument(int argc, char* argv[], std::initializer_list<std::string_view> names)
{
    for (int i = 1; i < argc; ++i)
        for (const std::string_view name : names)
            if (argv[i] == name)
                return true;
    return false;
}

// A platform chosen by the user (offscreen, vnc, ...) may need no display at all: only Qt can
// tell whether it starts.
bool PlatformChosen(int argc, char* argv[])
{
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    return (platform && *platform) || HasArgument(argc, argv, {"-platform", "--platform"});
}

bool DisplayNamed()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const char* value = std::getenv(name);
        if (value && *value)
            return true;
    }
    return false;
}

// Names what DISPLAY and WAYLAND_DISPLAY hold, so that the user sees which one was tried.
std::string NoDisplayMessage(std::string_view command, const char* display, const char* waylandDisplay)
{
    return std::string(command) + ": cannot open a display (" + Described("DISPLAY", display) + ", " +
           Described("WAYLAND_DISPLAY", waylandDisplay) +
           "); start it in a desktop session, or use kortools-calc from a shell";
}

std::string g_command;
// Qt's messages while the application starts: held back, because when the window system cannot
// be reached they are a page of plugin names ending in an abort, and the user is better told
// that in one line.
std::vector<std::string> g_startMessages;

[[noreturn]] void ExitWithoutDisplay()
{
    const std::string line = NoDisplayMessage(g_command, std::getenv("DISPLAY"), std::getenv("WAYLAND_DISPLAY"));
    std::fprintf(stderr, "%s\n", line.c_str());
    std::fflush(stderr);
    // Qt is half made: no destructor of it may run.
    std::_Exit(1);
}

void HoldStartMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtFatalMsg)
        ExitWithoutDisplay();
    g_startMessages.push_back(message.toStdString());
}

} // namespace

int RunQtProgram(int argc, char* argv[], const QtProgramInfo& info, const std::function<void()>& run)
{
    if (HasArgument(argc, argv, {"--help", "-h"})) {
        std::fwrite(info.help.data(), 1, info.help.size(), stdout);
        return 0;
    }
    if (HasArgument(argc, argv, {"--version"})) {
        std::printf("%s %s\n", info.name.c_str(), info.version.c_str());
        return 0;
    }
    g_command = argc > 0 && argv[0] ? argv[0] : info.desktopFileName;
    if (const auto slash = g_command.rfind('/'); slash != std::string::npos)
        g_command.erase(0, slash + 1);
    if (!PlatformChosen(argc, argv) && !DisplayNamed())
        ExitWithoutDisplay();

    const QtMessageHandler previous = qInstallMessageHandler(HoldStartMessage);
    QApplication application(argc, argv);
    qInstallMessageHandler(previous);
    for (const std::string& message : g_startMessages)
        std::fprintf(stderr, "%s\n", message.c_str());
    g_startMessages.clear();

    QApplication::setApplicationName(QString::fromStdString(info.name));
    QApplication::setApplicationVersion(QString::fromStdString(info.version));
    QApplication::setOrganizationName(QString::fromStdString(info.organisation));
    // Lets the desktop match the windows to the installed desktop entry and its icon.
    QApplication::setDesktopFileName(QString::fromStdString(info.desktopFileName));

    QtHost host;
    SetDialogHost(&host);
    QtHost::SetApplicationIcon(info.iconPngs);
    // A logout or a kill closes the dialogs, so the program still leaves through the ordinary
    // return of its start-up and its end-of-run work is done.
    InstallSessionEndHandlers(host);

    run();

    SetDialogHost(nullptr);
    return 0;
}
