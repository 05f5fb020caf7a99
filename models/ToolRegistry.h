// Every tool of the program, one row each, and the one set of models the launcher keeps for the
// whole run. Everything that lists tools reads them from here: the launcher's buttons, the
// records of kortools.dat, kortools-calc's names and --list, the window menu's command line, the
// fuzzers and the tests that cover every tool. Adding a tool is a row below, its model files,
// its dialog files and its template.
#pragma once

#include "models/AntennaCoupling.h"
#include "models/AtmosphereCoupling.h"
#include "models/KOTAtmos.h"
#include "models/KOTCtoNI.h"
#include "models/KOTDB.h"
#include "models/KOTFOV1.h"
#include "models/KOTFOV2.h"
#include "models/KOTFreq.h"
#include "models/KOTGain.h"
#include "models/KOTGtoT.h"
#include "models/KOTLink.h"
#include "models/KOTLook.h"
#include "models/KOTMargin.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"
#include "models/KOTPath.h"
#include "models/KOTSpread.h"
#include "models/KOTT3dB.h"
#include "models/KOTTemp.h"
#include "resources/Resource.h"

#include <span>
#include <string>
#include <string_view>

// What a script can choose in a tool besides typed values.
enum ToolChoices {
    NoChoices = 0,
    // The tool derives one variable that the user picks (SetCalcVar); kortools-calc's --calc.
    ChoosesCalcVar = 1,
    // Typing into a variable first makes it the edited one (SetCalcVar), which, with the
    // variable held fixed, decides what is derived: the field-of-view tool.
    EntryMarksEdited = 2,
    // Entries only store; the calculated variable is derived once they are all in (G/T).
    DerivesAfterEntries = 4,
};

// The rows, in the order of the launcher's buttons column by column, which is the order every
// list of the tools shows (kortools-calc --list among them).
//
// The records of kortools.dat are in another order, older than the launcher's layout and kept
// so that every file written so far still reads: the "record" column numbers them from 1. The
// file is the version and the records in that order, nothing between them. Other copies of the
// program read that file, so it keeps the first fourteen tools only: a tool whose record is 0
// keeps its values in kortools.json beside it.
//
// TOOL(member, model class, command-line name, launcher button, dialog template, record,
//      step after its dialog closes however it closed, choices)
#define KORTOOLS_TOOLS(TOOL)                                                                                        \
    TOOL(db, CKOTDB, "db", IDC_BUTTON_DB, IDD_TOOL_DB, 1, nullptr, NoChoices)                                      \
    TOOL(freq, CKOTFreq, "freq", IDC_BUTTON_FREQ, IDD_TOOL_FREQ, 2, nullptr, NoChoices)                            \
    TOOL(spread, CKOTSpread, "spread", IDC_BUTTON_SPREAD, IDD_TOOL_SPREAD, 4, nullptr, NoChoices)                  \
    TOOL(path, CKOTPath, "path", IDC_BUTTON_PATH, IDD_TOOL_PATH, 3, nullptr, ChoosesCalcVar)                       \
    TOOL(temp, CKOTTemp, "noise", IDC_BUTTON_TEMP, IDD_TOOL_TEMP, 7, nullptr, ChoosesCalcVar)                      \
    TOOL(gain, CKOTGain, "gain", IDC_BUTTON_GMAX, IDD_TOOL_GAIN, 8, &CoupleAfterPeakGain, ChoosesCalcVar)          \
    TOOL(t3db, CKOTT3dB, "beamwidth", IDC_BUTTON_THETA3DB, IDD_TOOL_T3DB, 11, &CoupleAfterBeamwidth, ChoosesCalcVar) \
    TOOL(off, CKOTOff, "offaxis", IDC_BUTTON_GREL, IDD_TOOL_OFFAXIS, 9, &CoupleAfterOffAxis, ChoosesCalcVar)       \
    TOOL(gtot, CKOTGtoT, "gt", IDC_BUTTON_GTOT, IDD_TOOL_GTOT, 10, &CoupleAfterGtoT, ChoosesCalcVar | DerivesAfterEntries) \
    TOOL(link, CKOTLink, "link", IDC_BUTTON_CN, IDD_TOOL_LINK, 13, &CoupleAfterLinkBudget, NoChoices)              \
    TOOL(pfd, CKOTPFD, "pfd", IDC_BUTTON_PFD, IDD_TOOL_PFD, 12, &CoupleAfterPfdBudget, NoChoices)                 \
    TOOL(ctoni, CKOTCtoNI, "cni", IDC_BUTTON_CNI, IDD_TOOL_CTONI, 14, &CoupleAfterCtoNI, NoChoices)                \
    TOOL(fov1, CKOTFOV1, "period", IDC_BUTTON_PERIOD, IDD_TOOL_FOV1, 5, nullptr, NoChoices)                        \
    TOOL(fov2, CKOTFOV2, "fov", IDC_BUTTON_ANGLES, IDD_TOOL_FOV2, 6, nullptr, EntryMarksEdited)                    \
    TOOL(atmos, CKOTAtmos, "atmos", IDC_BUTTON_ATMOS, IDD_TOOL_ATMOS, 0, &CoupleAfterAtmosphere, NoChoices)        \
    TOOL(look, CKOTLook, "look", IDC_BUTTON_LOOK, IDD_TOOL_LOOK, 0, &CoupleAfterLook, NoChoices)                   \
    TOOL(margin, CKOTMargin, "margin", IDC_BUTTON_MARGIN, IDD_TOOL_MARGIN, 0, &CoupleAfterMargin, NoChoices)

// One model per tool. The launcher keeps one set for the whole run, so each tool opens on the
// values it was left with; the command-line program starts from a set of its own. The models
// that take their starting frequency from the program defaults need those to exist before any
// instance of this struct.
struct ToolModels {
#define KORTOOLS_TOOL_MEMBER(member, Model, ...) Model member;
    KORTOOLS_TOOLS(KORTOOLS_TOOL_MEMBER)
#undef KORTOOLS_TOOL_MEMBER
};

#define KORTOOLS_TOOL_COUNT(...) +1
inline constexpr int ToolCount = 0 KORTOOLS_TOOLS(KORTOOLS_TOOL_COUNT);
#undef KORTOOLS_TOOL_COUNT
// The tools with a record in kortools.dat.
#define KORTOOLS_TOOL_HAS_RECORD(member, Model, name, button, dialog, record, ...) +((record) > 0 ? 1 : 0)
inline constexpr int ToolRecordCount = 0 KORTOOLS_TOOLS(KORTOOLS_TOOL_HAS_RECORD);
#undef KORTOOLS_TOOL_HAS_RECORD

struct RegisteredTool {
    const char* name;  // on the command line
    int launcherButton; // whose text is the tool's caption on the launcher
    int dialogTemplate; // of the dialog its model's RunDialog runs
    int record;         // its place among the records of kortools.dat, from 1; 0 in kortools.json
    CKorObj& (*model)(ToolModels& models);
    // Whether `model` is of this tool's model class.
    bool (*isModel)(const CKorObj& model);
    // Runs the tool's dialog over its model in `models`, as the launcher's button does.
    int (*runDialog)(ToolModels& models);
    // Runs after the dialog however it was closed, or null.
    void (*afterDialog)(ToolModels& models);
    // Assigns one model of this tool's class to another.
    void (*copy)(CKorObj& to, const CKorObj& from);
    int choices; // ToolChoices
    // The variable held fixed when another is entered (field of view, C/(N+I)), or null.
    int (*fixedVar)(const CKorObj& model);
    void (*setFixedVar)(CKorObj& model, int index);
    // The PFD's "includes the receive relative gain" flag (EPFD), or null.
    int (*receiveGainFlag)(const CKorObj& model);
    void (*setReceiveGainFlag)(CKorObj& model, int flag);

    bool HasCalcVar() const { return (choices & ChoosesCalcVar) != 0; }
    bool MarksEditedVar() const { return (choices & EntryMarksEdited) != 0; }
    bool DerivesLast() const { return (choices & DerivesAfterEntries) != 0; }
};

std::span<const RegisteredTool> RegisteredTools();
// The tool called `name` on the command line, or null.
const RegisteredTool* FindTool(std::string_view name);
// The tool of a launcher button, or null for a button without one (it stays disabled).
const RegisteredTool* FindToolByButton(int buttonId);
// The tool whose model class `model` is, or null (a model that is no tool's).
const RegisteredTool* ToolOf(const CKorObj& model);
// The text of the tool's launcher button ("dB - Abs", "C/(N+I)").
std::string LauncherCaption(const RegisteredTool& tool);

// Visits the models of any set with the members above (the launcher's, a test's copy) in the
// order of their records in kortools.dat, each as its own class; the tools kept in
// kortools.json are not among them.
template <class Models, class Visit>
void ForEachToolRecord(Models& models, Visit visit)
{
    for (int record = 1; record <= ToolRecordCount; ++record) {
#define KORTOOLS_TOOL_VISIT(member, Model, name, button, dialog, toolRecord, ...) \
    if constexpr ((toolRecord) > 0) {                                           \
        if (record == (toolRecord))                                             \
            visit(models.member);                                               \
    }
        KORTOOLS_TOOLS(KORTOOLS_TOOL_VISIT)
#undef KORTOOLS_TOOL_VISIT
    }
}
