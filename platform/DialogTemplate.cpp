// Lookups over a dialog template: a control by id, and which controls Tab reaches.
#include "platform/DialogTemplate.h"

#include "platform/Win.h"

const ControlTemplate* DialogTemplate::Find(int controlId) const
{
    if (controlId == IDC_STATIC)
        return nullptr;
    for (const ControlTemplate& control : controls)
        if (control.id == controlId)
            return &control;
    return nullptr;
}

bool IsTabStopKind(ControlKind kind)
{
    switch (kind) {
    case ControlKind::PushButton:
    case ControlKind::Edit:
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
    case ControlKind::DropDownList:
        return true;
    default:
        return false;
    }
}

bool IsTabStop(const ControlTemplate& control)
{
    return IsTabStopKind(control.kind) && !(control.flags & CF_NOTABSTOP);
}
