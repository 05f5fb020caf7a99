#include "dialogs/Binding.h"

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "platform/Dialog.h"

#include <cstdio>
#include <cstdlib>

namespace {

bool Usable(const CDialog* dialog, int id)
{
    return dialog && dialog->HasControl(id);
}

// The value in its display unit, in the form the edit shows it (fixed, or with an exponent),
// with the fewest digits that, typed into the edit, give exactly the value held, and its unit;
// empty when there is no number to show. Where no text converts back exactly (degrees to radians
// may not), every digit of the value shown.
std::string ExactValueText(const CKorObj& model, int index)
{
    std::string shown;
    double stored = 0.0;
    if (model.GetVarKind(index) != VarKindReal || !model.GetValueText(index, shown)
        || !model.GetRealVar(index, stored))
        return {};
    const int unit = model.GetVarUnit(index);
    const int display = model.GetDisplayUnit(index);
    const double value = ConvertUnit(stored, unit, display);
    // The edits' own texts, in the desktop's decimal separator, are read back the same way.
    const bool exponent = shown.find_first_of("eE") != std::string::npos;
    char text[400] = "";
    bool exact = false;
    for (int digits = 0; digits <= 24 && !exact; ++digits) {
        std::snprintf(text, sizeof text, exponent ? "%.*e" : "%.*f", digits, value);
        exact = ConvertUnit(std::strtod(text, nullptr), display, unit) == stored;
    }
    if (!exact)
        std::snprintf(text, sizeof text, "%.17g", value);
    std::string label;
    model.GetUnitLabel(index, label);
    return label.empty() ? text : text + (' ' + label);
}

} // namespace

int SetVarFromEdit(CDialog* dialog, CKorObj* model, int index, int editId)
{
    if (!model || !Usable(dialog, editId))
        return 0;
    // Read-only and calculated variables are shown, not taken back: leaving their edit is not
    // a failed entry.
    if (model->GetVarAccess(index) != VarEditable || !dialog->IsItemModified(editId))
        return 1;
    std::string text;
    dialog->GetItemText(editId, text);
    // A fresh sink per attempt, so the dialog never shows what an earlier write reported.
    ErrorSink sink;
    if (!model->SetValueFromText(index, text, sink)) {
        sink.ShowError();
        return 0;
    }
    // Taken: leaving the edit again, before any refresh, must not take it twice.
    dialog->SetItemModified(editId, false);
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
    dialog->SetItemToolTip(editId, ExactValueText(*model, index));

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

void ShowBoundVars(CDialog* dialog, const CKorObj* model, std::span<const EditBinding> edits,
                   std::span<const UnitRadioBinding> units)
{
    for (const EditBinding& edit : edits)
        ShowVar(dialog, model, edit.var, edit.id, edit.unitLabel);
    for (const UnitRadioBinding& radio : units)
        SetUnitRadio(dialog, model, radio.var, radio.unit, radio.id);
}

void ApplyUnitRadios(CDialog* dialog, CKorObj* model, std::span<const UnitRadioBinding> units)
{
    for (const UnitRadioBinding& radio : units)
        SetUnitIfChecked(dialog, model, radio.var, radio.unit, radio.id);
}

int ApplyUnitRadio(CDialog* dialog, CKorObj* model, std::span<const UnitRadioBinding> units, int radioId)
{
    const UnitRadioBinding* radio = FindBinding(units, radioId);
    return radio ? SetUnitIfChecked(dialog, model, radio->var, radio->unit, radio->id) : 0;
}

int ApplyBoundEdit(CDialog* dialog, CKorObj* model, std::span<const EditBinding> edits, int editId)
{
    const EditBinding* edit = FindBinding(edits, editId);
    return edit ? SetVarFromEdit(dialog, model, edit->var, edit->id) : 0;
}

int ApplyFromButton(CDialog* dialog, CKorObj* model, std::span<const ApplyBinding> buttons, int buttonId)
{
    const ApplyBinding* button = FindBinding(buttons, buttonId);
    return button ? SetVarFromEdit(dialog, model, button->var, button->editId) : 0;
}

void DisableControls(CDialog* dialog, std::span<const int> ids)
{
    for (int id : ids)
        DisableControl(dialog, id);
}

bool CalculateFromButton(CDialog* dialog, CKorObj* model, std::span<const CalcBinding> buttons, int buttonId,
                         std::span<const EditBinding> applyOrder, std::span<const UnitRadioBinding> units,
                         int lockedVar)
{
    const CalcBinding* button = FindBinding(buttons, buttonId);
    if (!dialog || !model || !button || button->var == lockedVar)
        return false;
    // Whether the model takes the choice is not looked at: a refused choice leaves its own
    // calculated variable, which every accepted entry below then recomputes.
    model->SetCalcVar(button->var);
    for (const EditBinding& edit : applyOrder) {
        if (edit.var == button->var || edit.var == lockedVar)
            continue;
        if (!SetVarFromEdit(dialog, model, edit.var, edit.id))
            return false;
    }
    ApplyUnitRadios(dialog, model, units);
    return true;
}
