// Opening a tool the way the launcher does: through its model's RunDialog, with the test's
// script playing the user.
#pragma once

#include "tests/support/ScriptedHost.h"

#include <gtest/gtest.h>

#include <span>
#include <utility>

// A script that never ran would assert nothing, so make sure the tool's dialog took it.
template <class Model>
void RunTool(ScriptedHost& host, Model& model, int templateId, DialogScript script)
{
    host.OnDialog(templateId, std::move(script));
    EXPECT_EQ(model.RunDialog(), 1);
    EXPECT_EQ(host.PendingScripts(templateId), 0u) << "dialog " << templateId << " never ran";
}

// A user passing through the edits without typing: each is clicked into, and so left, in turn,
// `rounds` times round.
inline void PassThrough(ScriptedDialog& d, std::span<const int> edits, int rounds)
{
    for (int round = 0; round < rounds; ++round)
        for (int edit : edits)
            d.Click(edit);
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
