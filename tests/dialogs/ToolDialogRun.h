// Opening a tool the way the launcher does: through its model's RunDialog, with the test's
// script playing the user.
#pragma once

#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <utility>

// A script that never ran would assert nothing, so make sure the tool's dialog took it.
template <class Model>
void RunTool(ScriptedHost& host, Model& model, int templateId, DialogScript script)
{
    host.OnDialog(templateId, std::move(script));
    EXPECT_EQ(model.RunDialog(), 1);
    EXPECT_EQ(host.PendingScripts(templateId), 0u) << "dialog " << templateId << " never ran";
}

// The ways a user can leave a tool without pressing any of its own buttons.
struct Closing {
    const char* name;
    void (ScriptedDialog::*press)();
};

inline const Closing AllClosings[] = {
    {"Enter", &ScriptedDialog::PressEnter},
    {"Escape", &ScriptedDialog::PressEscape},
    {"close box", &ScriptedDialog::CloseBox},
};
