// The fourteen tools by the short names scripts call them by (db, freq, ... fov), with what a
// script can choose in each besides typed values: the calculated variable, the variable held
// fixed, the PFD's receive gain. The command-line program finds its tools here, and every tool's
// "Copy as Command" writes the command line that reproduces its values from here, so the two
// always speak the same language.
#pragma once

#include <span>
#include <string>
#include <string_view>

class CKorObj;
class ErrorSink;
struct ToolModels;

struct CatalogTool {
    const char* name;   // on the command line
    int launcherButton; // the launcher's button for the tool, whose text is the tool's caption
    CKorObj& (*model)(ToolModels& models);
    // Whether `model` is this tool's model class.
    bool (*isModel)(const CKorObj& model);
    // The tool derives one variable that the user picks (SetCalcVar); --calc picks it.
    bool hasCalcVar;
    // Typing into a variable first makes it the edited one (SetCalcVar), which, with the
    // variable held fixed, decides what is derived: the field-of-view tool.
    bool entryMarksEdited;
    // The variable held fixed when another is entered (field of view, C/(N+I)), or null.
    int (*fixedVar)(const CKorObj& model);
    void (*setFixedVar)(CKorObj& model, int index);
    // The PFD's "includes the receive relative gain" flag (EPFD), or null.
    int (*receiveGainFlag)(const CKorObj& model);
    void (*setReceiveGainFlag)(CKorObj& model, int flag);
};

std::span<const CatalogTool> CatalogTools();
// The tool called `name`, or null.
const CatalogTool* FindCatalogTool(std::string_view name);
// The tool whose model class `model` is, or null (a model that is no tool's).
const CatalogTool* CatalogToolOf(const CKorObj& model);
// The text of the tool's launcher button ("dB - Abs", "C/(N+I)").
std::string LauncherCaption(const CatalogTool& tool);

// Whether the tool can hold variable `index` fixed: one of its "Fixed:" radio buttons' choices.
bool IsFixedChoice(const CatalogTool& tool, const CKorObj& model, int index);

// The models the command-line program starts from: those the launcher shows at a start without
// saved values, the antenna tools coupled as at start-up.
void PrepareStartingModels(ToolModels& models);

// Gives the variable `index` the typed `text` as the tool's edit takes it: in the variable's
// display unit, through SetValueFromText, with its limit checks and messages. In the field of
// view the variable first becomes the edited one. An enumeration takes the text of a choice, or
// its number. 0, with the reason in `sink` and nothing changed, when the model refuses it.
int ApplyEntry(const CatalogTool& tool, CKorObj& model, int index, const std::string& text, ErrorSink& sink);

// What the user would type to give the variable the value it has: an enumeration's choice by
// its number, a real number in full precision in its display unit (where there is one, the
// double whose conversion back to the storage unit is exactly the stored value).
std::string CurrentEntryText(const CKorObj& model, int index);

// Makes `index` the variable the tool derives and derives it at once, as the tool's "Calculate"
// button for it does. 0, with nothing changed, when the tool cannot derive that variable.
int ChooseCalcVar(CKorObj& model, int index);

// A kortools-calc command line that gives `model` the values it has now, from the models
// PrepareStartingModels gives: the choices that differ from those (--calc, --fixed, --unit,
// --epfd), then, in full precision and the display unit, the entries needed to reach the
// model's values from there (nothing for a tool left as it starts). In the field of view the
// variable edited last is entered last. A variable the model refuses to take typed at all is
// left out; a value beyond an entry's limits, which only a derivation gives, is written as it
// is, and the command refuses it when run.
std::string CommandLineFor(const CatalogTool& tool, const CKorObj& model);
