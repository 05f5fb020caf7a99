// The application object: the program's entry once the window system is up.
#pragma once

#include "platform/Win.h"

struct ToolModels;

class CKorToolsApp {
public:
    // Puts the C runtime on the user's locale, so numbers are read and written with the
    // user's decimal separator.
    CKorToolsApp();
    CKorToolsApp(const CKorToolsApp&) = delete;
    CKorToolsApp& operator=(const CKorToolsApp&) = delete;

    // Runs the launcher modally over the process-wide models and returns FALSE once it has
    // closed: the program has nothing more to do.
    BOOL InitInstance();
};

// The process-wide objects, all constructed on the first call to either function, in this
// order: the program defaults, the application object, the tool models; destroyed in reverse
// when the process ends.
CKorToolsApp& TheApp();
ToolModels& TheToolModels();
