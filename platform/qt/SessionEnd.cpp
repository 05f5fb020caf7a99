#include "platform/qt/SessionEnd.h"

#include "platform/SessionEnding.h"
#include "platform/qt/QtHost.h"

#include <QGuiApplication>
#include <QPointer>
#include <QSocketNotifier>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace {

// A signal handler may do next to nothing; it writes one byte into this pipe and the event
// loop, watching the other end, does the closing.
int g_signalPipe[2] = {-1, -1};
QtHost* g_host = nullptr;
// Parent of the connections made here; gone with the application object.
QPointer<QObject> g_context;

extern "C" void OnSessionSignal(int signal)
{
    const int savedErrno = errno;
    const unsigned char byte = static_cast<unsigned char>(signal);
    // A full pipe already holds a wake-up; nothing more is needed.
    if (::write(g_signalPipe[1], &byte, 1) < 0) {
    }
    errno = savedErrno;
}

void DrainSignalPipe()
{
    unsigned char buffer[64];
    while (::read(g_signalPipe[0], buffer, sizeof buffer) > 0) {
    }
}

// Marked first, so that the launcher, closing in here, knows that nobody is left to read a
// dialog about its values.
void CloseAllDialogs()
{
    SetSessionEnding(true);
    if (g_host)
        g_host->CloseAll();
}

bool OpenSignalPipe()
{
    if (g_signalPipe[0] != -1)
        return true;
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return false;
    g_signalPipe[0] = ends[0];
    g_signalPipe[1] = ends[1];
    struct sigaction action {};
    action.sa_handler = OnSessionSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
    return true;
}

} // namespace

void InstallSessionEndHandlers(QtHost& host)
{
    g_host = &host;
    auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    if (!app || g_context)
        return;
    g_context = new QObject(app);

    if (OpenSignalPipe()) {
        auto* notifier = new QSocketNotifier(g_signalPipe[0], QSocketNotifier::Read, g_context);
        QObject::connect(notifier, &QSocketNotifier::activated, g_context, [] {
            DrainSignalPipe();
            CloseAllDialogs();
        });
    }
#ifndef QT_NO_SESSIONMANAGER
    QObject::connect(app, &QGuiApplication::commitDataRequest, g_context,
                     [](QSessionManager&) { CloseAllDialogs(); });
#endif
    QObject::connect(app, &QCoreApplication::aboutToQuit, g_context, [] { CloseAllDialogs(); });
}
