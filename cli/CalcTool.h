// One tool of one run: its model among a set of starting models, the command line's choices
// applied to it, and its entries resolved against its variables.
#pragma once

#include "framework/ErrorSink.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CKorObj;
struct RegisteredTool;
struct CalcRequest;
struct ToolModels;

// A NAME=VALUE word, its name found and its value as typed, for the variable's edit to read.
struct CalcEntry {
    int index;
    std::string name; // as the command line spells it
    std::string text;
};

// The models the launcher starts with, coupled as at start-up; with `fromState`, first loaded
// from the saved values, read only. Null when `fromState` finds nothing to read.
std::unique_ptr<ToolModels> StartingModels(bool fromState);

// NAME and VALUE of a "NAME=VALUE" word; a UsageError names `what` the word was for.
std::pair<std::string_view, std::string_view> SplitNameValue(std::string_view word, const char* what);

class CalcTool {
public:
    CalcTool(const RegisteredTool& tool, std::unique_ptr<ToolModels> models);
    ~CalcTool();
    CalcTool(const CalcTool&) = delete;
    CalcTool& operator=(const CalcTool&) = delete;

    const RegisteredTool& Tool() const { return m_tool; }
    CKorObj& Model();
    const CKorObj& Model() const;

    // --calc, --fixed, --epfd and --unit, in that order, before any entry: entries are read in
    // the display units chosen here. A UsageError for a choice the tool does not offer.
    void ApplyChoices(const CalcRequest& request);

    // The variable the command line calls `name`; a UsageError when the tool has none.
    int FindVar(std::string_view name) const;
    // Whether the user can type into the variable as the tool now stands: not the calculated
    // one, and not one the model holds fixed (a budget's beamwidths and patterns).
    bool CanEnter(int index) const;
    // A NAME=VALUE word as an entry; a UsageError for an unknown name or a variable that cannot
    // be entered. The value is the model's to read, or to refuse when applied.
    CalcEntry Resolve(std::string_view word) const;

    // Applies the entry as the tool's edit would. False, with the model's reasons in `refused`
    // and nothing changed, when the model refuses it.
    bool Apply(CKorObj& model, const CalcEntry& entry, ErrorSink& refused) const;

    // Makes `to` a copy of `from`, both of this tool's model class.
    void Copy(CKorObj& to, const CKorObj& from) const;
    // A second model of the tool's class to work on, a copy of Model() when made.
    std::unique_ptr<ToolModels> CopyOfModels() const;
    CKorObj& ModelIn(ToolModels& models) const;

    // " (--calc OTHER makes it an entry)" for the variable the tool calculates, where it can
    // calculate another; empty otherwise.
    std::string EntryChoice(int index) const;

private:
    const RegisteredTool& m_tool;
    std::unique_ptr<ToolModels> m_models;
    // Where CanEnter tries an entry out without touching the model.
    std::unique_ptr<ToolModels> m_scratch;
};
