// The few operations through which every tool dialog shows its model and hands entries back.
// Dialogs keep no values of their own: edits show the model's text for a variable, and what the
// user types goes back to the model as text, which checks, converts and stores it.
//
// Each helper returns 0 and does nothing when the dialog or model is null or the control is not
// in the dialog, so a dialog bound to the wrong template stays quiet instead of crashing.
#pragma once

#include <string>

class CDialog;
class CKorObj;

// Stores the edit's text in the variable. A variable the user may not edit (access other than
// 0) is left alone and counts as success. A refused entry beeps and shows the error dialog
// before this returns 0.
int SetVarFromEdit(CDialog* dialog, CKorObj* model, int index, int editId);

// Shows the variable's text in the edit and enables the edit by the variable's access level;
// with a label id other than -1 also writes the variable's unit into that label.
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
