// Names a tool's variables as its window labels them, for the command line's list of variables:
// the label is read from the dialog's template, beside or above the control that shows the
// variable, the same label a screen reader announces for that control.
#include "dialogs/Binding.h"
#include "models/ToolCatalog.h"
#include "platform/ControlLabels.h"
#include "platform/DialogTemplate.h"
#include "resources/Resource.h"

namespace {

std::span<const EditBinding> ControlsOfDialog(int dialogId)
{
    switch (dialogId) {
#define KORTOOLS_VAR_CONTROLS(member, Class, name, button, dialog, ...) \
    case dialog:                                                        \
        return VarControls<dialog>();
        KORTOOLS_TOOLS(KORTOOLS_VAR_CONTROLS)
#undef KORTOOLS_VAR_CONTROLS
    }
    return {};
}

} // namespace

std::string VarLabelInWindow(const RegisteredTool& tool, int index)
{
    const DialogTemplate* dialogTemplate = FindDialogTemplate(tool.dialogTemplate);
    if (!dialogTemplate)
        return {};
    for (const EditBinding& binding : ControlsOfDialog(tool.dialogTemplate))
        if (binding.var == index)
            if (const ControlTemplate* control = dialogTemplate->Find(binding.id))
                return AccessibleLabelFor(*dialogTemplate, *control);
    return {};
}
