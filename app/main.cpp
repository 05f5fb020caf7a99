// The program: the Qt host puts the dialogs on the screen, the application object does the rest.
#include "app/KorToolsApp.h"
#include "platform/qt/QtProgram.h"
#include "resources/Images.h"
#include "resources/Version.h"

#include <string_view>

static_assert(std::string_view(KORTOOLS_PROJECT_VERSION) == KorToolsVersion,
              "resources/Version.h and the CMake project give different versions");

// Printed by --help, which works without a display.
constexpr std::string_view Help =
    "Usage: kortools [--help] [--version] [Qt options such as -platform NAME]\n"
    "Opens the KorTools launcher: calculators for radio-communication and satellite engineers,\n"
    "from decibels to link budgets, atmospheric losses, look angles and link margins, each in a\n"
    "window of its own. The values entered are kept between runs.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "It needs a display, named by DISPLAY (X11) or WAYLAND_DISPLAY, unless QT_QPA_PLATFORM\n"
    "chooses a Qt platform that needs none (offscreen). kortools-calc runs the same tools from\n"
    "a shell. See kortools(1) and kortools-calc(1).\n";

int main(int argc, char* argv[])
{
    // Every window the program opens takes this icon, the launcher and each tool alike.
    const auto icons = WindowIconPngs();
    const QtProgramInfo info{"KorTools", KorToolsVersion, KorToolsCompany, "kortools", icons, Help};
    return RunQtProgram(argc, argv, info, [] { TheApp().InitInstance(); });
}
