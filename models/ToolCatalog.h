// What a script does with a tool besides reading it: gives a variable typed text, picks the
// variable derived, and writes the command line that reproduces a tool's values. The
// command-line program works through these, and every tool's "Copy as Command" writes its line
// here, so the two always speak the same language. The tools themselves are the registry's.
#pragma once

#include "models/ToolRegistry.h"

#include <string>

class ErrorSink;

// The program's version ("7.10.1.0"), as its About box shows it. Defined with the dialogs, like
// the models' RunDialog.
const char* ProgramVersion();

// The label the tool's window gives the control that shows variable `index` ("Station Height"),
// empty when the window shows it nowhere. Defined with the dialogs, which know their controls.
std::string VarLabelInWindow(const RegisteredTool& tool, int index);

// Whether the tool can hold variable `index` fixed: one of its "Fixed:" radio buttons' choices.
bool IsFixedChoice(const RegisteredTool& tool, const CKorObj& model, int index);

// The models the command-line program starts from: those the launcher shows at a start without
// saved values, the antenna tools coupled as at start-up.
void PrepareStartingModels(ToolModels& models);

// Gives the variable `index` the typed `text` as the tool's edit takes it: in the variable's
// display unit, through SetValueFromText, with its limit checks and messages. In the field of
// view the variable first becomes the edited one. An enumeration takes the text of a choice, or
// its number. 0, with the reason in `sink` and nothing changed, when the model refuses it.
int ApplyEntry(const RegisteredTool& tool, CKorObj& model, int index, const std::string& text, ErrorSink& sink);

// What the user would type to give the variable the value it has: an enumeration's choice by
// its number, a real number in full precision in its display unit (where there is one, the
// double whose conversion back to the storage unit is exactly the stored value).
std::string CurrentEntryText(const CKorObj& model, int index);

// Makes `index` the variable the tool derives and derives it at once, as the tool's "Calculate"
// button for it does. 0, with nothing changed, when the tool cannot derive that variable.
int ChooseCalcVar(CKorObj& model, int index);

// Where the tool derives only once its entries are in (G/T), derives its calculated variable,
// as the window's "Calculate" button for it does; otherwise nothing, each entry having derived.
void DeriveAfterEntries(const RegisteredTool& tool, CKorObj& model);

// The variable the tool derives from the others as its values stand: where it derives only on
// request, one whose calculation gives back the value it holds, the one calculated last if it
// still does, and -1 when none does (values typed after the last "Calculate"). For any other
// tool GetCalcVar, whatever it is.
int CalcVarThatFollows(const RegisteredTool& tool, const CKorObj& model);

// A kortools-calc command line that gives `model` the values it has now, from the models
// PrepareStartingModels gives: the choices that differ from those (--calc, --fixed, --unit,
// --epfd), then, in full precision and the display unit, the entries needed to reach the
// model's values from there (nothing for a tool left as it starts). In the field of view the
// variable edited last is entered last. A variable the model refuses to take typed at all is
// left out; a value beyond an entry's limits, which only a derivation gives, is written as it
// is, and the command refuses it when run. Where CalcVarThatFollows finds none, the line derives
// the variable calculated last, which then differs from the tool's.
std::string CommandLineFor(const RegisteredTool& tool, const CKorObj& model);
