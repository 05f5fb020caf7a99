// The version the About box shows, for the command-line program, which links the dialogs (for
// the models' RunDialog) but may not see the resources.
#include "models/ToolCatalog.h"
#include "resources/Version.h"

const char* ProgramVersion()
{
    return KorToolsVersion;
}
