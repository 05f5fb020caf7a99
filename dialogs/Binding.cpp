#include "dialogs/Binding.h"

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "platform/Dialog.h"

namespace {

bool Usable(const CDialog* dialog, int id)
{
    return dialog && dialog->HasControl(id);
}

} // namespace

int SetVarFromEdit(CDialog* dialog, CKorObj* model, int index, int editId)
{
    if (!model || !Usable(dialog, editId))
        return 0;
    // Read-only and calculated variables are shown, not taken back: leaving their edit is not
    // a failed entry.
    if (model->GetVarAccess(index) != VarEditable)
        return 1;
    std::string text;
    dialog->GetItemText(editId, text);
    // A fresh sink per attempt, so the dialog never shows what an earlier write reported.
    ErrorSink sink;
    if (!model->SetValueFromText(index, text, sink)) {
        sink.ShowError();
        return 0;
    }
    return 1;
}

int ShowVar(CDialog* dialog, const CKorObj* model, int index, int editId, int labelId)
{
    if (!model || !Usable(dialog, editId))
        return 0;
    const int access = model->GetVarAccess(index);
    std::string text;
    if (!model->GetValueText(index, text))
        model->NotAvailableText(text);

    bool enable;
    if (access == VarEditable)
        enable = true;
    else if (access >= VarUnavailable)
        // Disabling the control that holds the keyboard focus would leave the user typing
        // into nothing; an unavailable value stays enabled while the user is in it.
        enable = dialog->GetFocusItem() == editId;
    else
        enable = false;
    dialog->EnableItem(editId, enable);
    dialog->SetItemText(editId, text);

    if (labelId != -1) {
        std::string unit;
        model->GetUnitLabel(index, unit);
        dialog->EnableItem(labelId, true);
        dialog->SetItemText(labelId, unit);
    }
    return 1;
}

int SetUnitIfChecked(CDialog* dialog, CKorObj* model, int index, int unit, int radioId)
{
    if (!model || !Usable(dialog, radioId))
        return 0;
    if (dialog->IsItemChecked(radioId))
        model->SetDisplayUnit(index, unit);
    return 1;
}

int SetUnitRadio(CDialog* dialog, const CKorObj* model, int index, int unit, int radioId)
{
    if (!model || !Usable(dialog, radioId))
        return 0;
    dialog->EnableItem(radioId, true);
    dialog->CheckItem(radioId, model->GetDisplayUnit(index) == unit);
    return 1;
}

int FillEnumCombo(CDialog* dialog, const CKorObj* model, int index, int listId)
{
    if (!model || !Usable(dialog, listId))
        return 0;
    dialog->ResetList(listId);
    const int access = model->GetVarAccess(index);
    const int count = model->GetEnumCount(index);
    if ((access == VarEditable || access == VarReadOnly) && count > 0) {
        dialog->EnableItem(listId, true);
        for (int choice = 0; choice < count; ++choice)
            if (const char* text = model->GetEnumText(index, choice))
                dialog->AddListEntry(listId, text);
        int value;
        if (model->GetIntVar(index, value))
            dialog->SetListSelection(listId, value);
        if (access == VarEditable)
            return 1;
    }
    // A read-only enumeration still shows its value, in a list the user cannot open.
    dialog->EnableItem(listId, false);
    return 1;
}

int SetEnumFromCombo(CDialog* dialog, CKorObj* model, int index, int listId)
{
    if (!model || !Usable(dialog, listId))
        return 0;
    const int selection = dialog->GetListSelection(listId);
    if (selection < 0)
        return 0;
    ErrorSink sink;
    if (!model->SetIntVar(index, selection, sink)) {
        sink.ShowError();
        return 0;
    }
    return 1;
}

int SetCheck(CDialog* dialog, int state, int id)
{
    if (!Usable(dialog, id))
        return 0;
    dialog->EnableItem(id, true);
    dialog->CheckItem(id, state != 0);
    return 1;
}

int IsChecked(CDialog* dialog, int id)
{
    if (!Usable(dialog, id))
        return 0;
    return dialog->IsItemChecked(id) ? 1 : 0;
}

int EnableControl(CDialog* dialog, int id, int flag)
{
    if (!Usable(dialog, id))
        return 0;
    dialog->EnableItem(id, flag != 0);
    return 1;
}

int DisableControl(CDialog* dialog, int id)
{
    if (!Usable(dialog, id))
        return 0;
    dialog->EnableItem(id, false);
    return 1;
}

int SetControlText(CDialog* dialog, const std::string& text, int id)
{
    if (!Usable(dialog, id))
        return 0;
    dialog->SetItemText(id, text);
    return 1;
}
