#include "app/LauncherTools.h"

#include "models/AntennaCoupling.h"
#include "models/ToolModels.h"
#include "resources/Resource.h"

namespace {

// RunDialog is each model class's own (the tool models share no base that has it), so each row
// names its model by member.
template <auto Model>
int RunModelDialog(ToolModels& models)
{
    return (models.*Model).RunDialog();
}

constexpr LauncherTool Tools[] = {
    {IDC_BUTTON_DB, &RunModelDialog<&ToolModels::db>, nullptr},
    {IDC_BUTTON_FREQ, &RunModelDialog<&ToolModels::freq>, nullptr},
    {IDC_BUTTON_SPREAD, &RunModelDialog<&ToolModels::spread>, nullptr},
    {IDC_BUTTON_PATH, &RunModelDialog<&ToolModels::path>, nullptr},
    {IDC_BUTTON_TEMP, &RunModelDialog<&ToolModels::temp>, nullptr},
    {IDC_BUTTON_GMAX, &RunModelDialog<&ToolModels::gain>, &CoupleAfterPeakGain},
    {IDC_BUTTON_THETA3DB, &RunModelDialog<&ToolModels::t3db>, &CoupleAfterBeamwidth},
    {IDC_BUTTON_GREL, &RunModelDialog<&ToolModels::off>, &CoupleAfterOffAxis},
    {IDC_BUTTON_GTOT, &RunModelDialog<&ToolModels::gtot>, &CoupleAfterGtoT},
    {IDC_BUTTON_CN, &RunModelDialog<&ToolModels::link>, nullptr},
    {IDC_BUTTON_CNI, &RunModelDialog<&ToolModels::ctoni>, nullptr},
    {IDC_BUTTON_PFD, &RunModelDialog<&ToolModels::pfd>, nullptr},
    {IDC_BUTTON_PERIOD, &RunModelDialog<&ToolModels::fov1>, nullptr},
    {IDC_BUTTON_ANGLES, &RunModelDialog<&ToolModels::fov2>, nullptr},
};

} // namespace

std::span<const LauncherTool> LauncherTools()
{
    return Tools;
}

const LauncherTool* FindLauncherTool(int buttonId)
{
    for (const LauncherTool& tool : Tools)
        if (tool.buttonId == buttonId)
            return &tool;
    return nullptr;
}
