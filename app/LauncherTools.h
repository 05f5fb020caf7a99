// The launcher's tools as one table: the button, the process-wide model whose dialog it opens,
// and what the launcher does once that dialog has closed.
#pragma once

#include <span>

struct ToolModels;

struct LauncherTool {
    int buttonId;
    // Runs the tool's dialog over its model in `models`; its result is not looked at.
    int (*run)(ToolModels& models);
    // Runs after the dialog however it was closed, or null.
    void (*afterwards)(ToolModels& models);
};

std::span<const LauncherTool> LauncherTools();
// The tool of a launcher button, or null for a button without one (it stays disabled).
const LauncherTool* FindLauncherTool(int buttonId);
