// The program: Qt puts the dialogs on the screen, the application object does the rest.
#include "app/KorToolsApp.h"
#include "platform/qt/QtHost.h"
#include "platform/qt/SessionEnd.h"
#include "resources/Images.h"
#include "resources/Version.h"

#include <QApplication>
#include <QString>

#include <string_view>

static_assert(std::string_view(KORTOOLS_PROJECT_VERSION) == KorToolsVersion,
              "resources/Version.h and the CMake project give different versions");

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KorTools"));
    QApplication::setApplicationVersion(QString::fromLatin1(KorToolsVersion));
    QApplication::setOrganizationName(QString::fromLatin1(KorToolsCompany));
    // Lets the desktop match the windows to the installed kortools.desktop and its icon.
    QApplication::setDesktopFileName(QStringLiteral("kortools"));

    QtHost host;
    SetDialogHost(&host);
    // Every window the program opens takes this icon, the launcher and each tool alike.
    QtHost::SetApplicationIcon(IconPngs());
    // A logout or a kill closes the dialogs, so the program still leaves through start-up's
    // ordinary return below.
    InstallSessionEndHandlers(host);

    TheApp().InitInstance();

    SetDialogHost(nullptr);
    return 0;
}
