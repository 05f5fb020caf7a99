// The few operations through which every tool dialog shows its model and hands entries back.
// Dialogs keep no values of their own: edits show the model's text for a variable, and what the
// user types goes back to the model as text, which checks, converts and stores it.
//
// Each helper returns 0 and does nothing when the dialog or model is null or the control is not
// in the dialog, so a dialog bound to the wrong template stays quiet instead of crashing.
//
// Below the helpers, the tables a dialog declares its bindings in, once, in its own source file,
// and the helpers that walk them, so that one handler serves every "Calculate" button and every
// unit radio button of a dialog.
#pragma once

#include <array>
#include <cstddef>
#include <span>
#include <string>

class CDialog;
class CKorObj;

// Stores the edit's text in the variable, when the user has typed into the edit since it was
// last shown; the edit then counts as untouched again. An untouched edit shows the model's value
// rounded for display, and reading that back would move the value, so it is left alone and
// counts as success; so is a variable the user may not edit (access other than 0). A refused
// entry beeps and shows the error dialog before this returns 0, and the edit stays modified.
int SetVarFromEdit(CDialog* dialog, CKorObj* model, int index, int editId);

// Shows the variable's text in the edit and enables the edit by the variable's access level;
// with a label id other than -1 also writes the variable's unit into that label. The edit's
// tooltip shows the value exactly, in its display unit, which the four decimals of the edit may
// not ("0.0299792458 m" beside "0.03"); a value that is not available shows none.
int ShowVar(CDialog* dialog, const CKorObj* model, int index, int editId, int labelId = -1);

// Makes `unit` the variable's display unit when the radio button is checked.
int SetUnitIfChecked(CDialog* dialog, CKorObj* model, int index, int unit, int radioId);
// Enables the radio button and checks it exactly when `unit` is the variable's display unit.
int SetUnitRadio(CDialog* dialog, const CKorObj* model, int index, int unit, int radioId);

// Fills the drop-down list with the enumeration's choices and selects the current one.
int FillEnumCombo(CDialog* dialog, const CKorObj* model, int index, int listId);
// Stores the list's selected entry as the enumeration's value; 0 when nothing is selected or
// the model refused it (after the error dialog).
int SetEnumFromCombo(CDialog* dialog, CKorObj* model, int index, int listId);

// Enables the control and sets its check state.
int SetCheck(CDialog* dialog, int state, int id);
int IsChecked(CDialog* dialog, int id);
int EnableControl(CDialog* dialog, int id, int flag);
int DisableControl(CDialog* dialog, int id);
int SetControlText(CDialog* dialog, const std::string& text, int id);

// --- Bindings as tables ---

// An edit box that shows a variable, with the label beside it that shows the variable's display
// unit (-1 when the unit is fixed text of the template).
struct EditBinding {
    int id;
    int var;
    int unitLabel = -1;
};

// A radio button that makes `unit` the variable's display unit.
struct UnitRadioBinding {
    int id;
    int var;
    int unit;
};

// A "Calculate" button and the variable it derives.
struct CalcBinding {
    int id;
    int var;
};

// A push button that applies one edit's entry to its variable (the arrow buttons, and the
// "Calculate" buttons of tools without a calculated variable).
struct ApplyBinding {
    int id;
    int var;
    int editId;
};

// The control ids of a table, for a message-map row that covers them all.
template <class Binding, std::size_t N>
constexpr std::array<int, N> ControlIds(const Binding (&rows)[N])
{
    std::array<int, N> ids{};
    for (std::size_t i = 0; i < N; ++i)
        ids[i] = rows[i].id;
    return ids;
}

// Every control that shows a variable in the tool dialog of template `DialogId`, so that other
// texts can name a variable as the window does. Each tool dialog's source defines it for its
// own template; a tool without one does not link.
template <int DialogId>
std::span<const EditBinding> VarControls();

// Two tables as one, for VarControls: a dialog's edits and the other controls that show a
// variable (a list, a text).
template <std::size_t N, std::size_t M>
constexpr std::array<EditBinding, N + M> JoinBindings(const EditBinding (&first)[N], const EditBinding (&then)[M])
{
    std::array<EditBinding, N + M> all{};
    for (std::size_t i = 0; i < N; ++i)
        all[i] = first[i];
    for (std::size_t i = 0; i < M; ++i)
        all[N + i] = then[i];
    return all;
}

// The row of the control `id`, or null.
template <class Binding>
const Binding* FindBinding(std::span<const Binding> rows, int id)
{
    for (const Binding& row : rows)
        if (row.id == id)
            return &row;
    return nullptr;
}

// ShowVar for every edit, in the table's order, then SetUnitRadio for every unit radio button.
void ShowBoundVars(CDialog* dialog, const CKorObj* model, std::span<const EditBinding> edits,
                   std::span<const UnitRadioBinding> units = {});
// SetUnitIfChecked for every unit radio button, in the table's order.
void ApplyUnitRadios(CDialog* dialog, CKorObj* model, std::span<const UnitRadioBinding> units);
// A unit radio button's own handler: SetUnitIfChecked for its row. 0 for an id not in the table.
int ApplyUnitRadio(CDialog* dialog, CKorObj* model, std::span<const UnitRadioBinding> units, int radioId);
// SetVarFromEdit for the edit's row. 0 for an id not in the table.
int ApplyBoundEdit(CDialog* dialog, CKorObj* model, std::span<const EditBinding> edits, int editId);
// SetVarFromEdit for the button's row. 0 for an id not in the table.
int ApplyFromButton(CDialog* dialog, CKorObj* model, std::span<const ApplyBinding> buttons, int buttonId);
// Disables each control of the list.
void DisableControls(CDialog* dialog, std::span<const int> ids);

// The "Calculate" button `buttonId`: picks its variable X as the one the model derives, applies
// the other entries in `applyOrder` that the user has typed into and stops at the first refused
// one, then applies the unit radio buttons; with nothing typed, X only becomes the derived one.
// `lockedVar` is a variable that belongs to another tool (-1 for none): its button does nothing
// at all, and its edit is never applied. True when every entry was taken and
// the dialog should refresh; false leaves the user's texts in place for correction.
bool CalculateFromButton(CDialog* dialog, CKorObj* model, std::span<const CalcBinding> buttons, int buttonId,
                         std::span<const EditBinding> applyOrder, std::span<const UnitRadioBinding> units = {},
                         int lockedVar = -1);
