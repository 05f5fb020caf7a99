#include "app/KorToolsApp.h"

#include "app/KorToolsDlg.h"
#include "framework/KorDefaults.h"
#include "models/ToolRegistry.h"

#include <clocale>

namespace {

// One object, so that the order of construction is the order of the members and does not
// depend on which translation unit the linker happens to initialise first.
struct ProcessObjects {
    // The models read their starting frequency from the defaults while they are constructed.
    const CKorDefaults& defaults = KorDefaults();
    CKorToolsApp app;
    ToolModels models;
};

ProcessObjects& Process()
{
    static ProcessObjects objects;
    return objects;
}

} // namespace

CKorToolsApp& TheApp()
{
    return Process().app;
}

ToolModels& TheToolModels()
{
    return Process().models;
}

CKorToolsApp::CKorToolsApp()
{
    std::setlocale(LC_ALL, "");
}

BOOL CKorToolsApp::InitInstance()
{
    CKorToolsDlg launcher(TheToolModels());
    // However the launcher ended, the run is over.
    launcher.DoModal();
    return FALSE;
}
