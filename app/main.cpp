// The program: the Qt host puts the dialogs on the screen, the application object does the rest.
#include "app/KorToolsApp.h"
#include "platform/qt/QtProgram.h"
#include "resources/Images.h"
#include "resources/Version.h"

#include <string_view>

static_assert(std::string_view(KORTOOLS_PROJECT_VERSION) == KorToolsVersion,
              "resources/Version.h and the CMake project give different versions");

int main(int argc, char* argv[])
{
    // Every window the program opens takes this icon, the launcher and each tool alike.
    const auto icons = WindowIconPngs();
    const QtProgramInfo info{"KorTools", KorToolsVersion, KorToolsCompany, "kortools", icons};
    return RunQtProgram(argc, argv, info, [] { TheApp().InitInstance(); });
}
