#include "platform/qt/QtProgram.h"

#include "platform/DialogHost.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/SessionEnd.h"

#include <QApplication>
#include <QString>

int RunQtProgram(int argc, char* argv[], const QtProgramInfo& info, const std::function<void()>& run)
{
    QApplication application(argc, argv);
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
