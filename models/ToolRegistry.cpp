#include "models/ToolRegistry.h"

#include "resources/Strings.h"

#include <algorithm>
#include <array>
#include <type_traits>
#include <typeinfo>
#include <utility>

namespace {

template <auto Member>
CKorObj& ModelOf(ToolModels& models)
{
    return models.*Member;
}

template <class Model>
bool IsModel(const CKorObj& model)
{
    return typeid(model) == typeid(Model);
}

// RunDialog is each model class's own (the tool models share no base that has it), so each row
// reaches it through its member.
template <auto Member>
int RunDialogOf(ToolModels& models)
{
    return (models.*Member).RunDialog();
}

template <class Model>
void CopyAs(CKorObj& to, const CKorObj& from)
{
    static_cast<Model&>(to) = static_cast<const Model&>(from);
}

template <class Model>
int FixedVarOf(const CKorObj& model)
{
    return static_cast<const Model&>(model).m_fixedVar;
}

template <class Model>
void SetFixedVarOf(CKorObj& model, int index)
{
    static_cast<Model&>(model).m_fixedVar = index;
}

template <class Model>
int ReceiveGainFlagOf(const CKorObj& model)
{
    return static_cast<const Model&>(model).m_includeReceiveGain;
}

template <class Model>
void SetReceiveGainFlagOf(CKorObj& model, int flag)
{
    static_cast<Model&>(model).SetIncludeReceiveGain(flag);
}

// A tool whose model holds one of its variables fixed, or has the PFD's receive-gain flag,
// offers that choice: the model class says so, the row need not.
template <auto Member>
RegisteredTool Row(const char* name, int button, int dialog, int record, void (*afterDialog)(ToolModels&),
                   int choices)
{
    using Model = std::remove_reference_t<decltype(std::declval<ToolModels&>().*Member)>;
    RegisteredTool tool{name, button, dialog, record, &ModelOf<Member>, &IsModel<Model>, &RunDialogOf<Member>,
                        afterDialog, &CopyAs<Model>, choices, nullptr, nullptr, nullptr, nullptr};
    if constexpr (requires(Model& m) { m.m_fixedVar; }) {
        tool.fixedVar = &FixedVarOf<Model>;
        tool.setFixedVar = &SetFixedVarOf<Model>;
    }
    if constexpr (requires(Model& m) { m.m_includeReceiveGain; }) {
        tool.receiveGainFlag = &ReceiveGainFlagOf<Model>;
        tool.setReceiveGainFlag = &SetReceiveGainFlagOf<Model>;
    }
    return tool;
}

#define KORTOOLS_TOOL_ROW(member, Model, name, button, dialog, record, after, choices) \
    Row<&ToolModels::member>(name, button, dialog, record, after, choices),
const RegisteredTool Tools[] = {KORTOOLS_TOOLS(KORTOOLS_TOOL_ROW)};
#undef KORTOOLS_TOOL_ROW

// Each record number once, from 1 to the number of tools with one: the file has no gaps and no
// record read twice. The others (0) come first once sorted.
constexpr bool RecordsNumberEachToolOnce()
{
#define KORTOOLS_TOOL_RECORD(member, Model, name, button, dialog, record, ...) record,
    std::array<int, ToolCount> records{KORTOOLS_TOOLS(KORTOOLS_TOOL_RECORD)};
#undef KORTOOLS_TOOL_RECORD
    std::sort(records.begin(), records.end());
    constexpr int withoutRecord = ToolCount - ToolRecordCount;
    for (int i = 0; i < ToolCount; ++i)
        if (records[static_cast<std::size_t>(i)] != (i < withoutRecord ? 0 : i + 1 - withoutRecord))
            return false;
    return true;
}
static_assert(RecordsNumberEachToolOnce());

} // namespace

std::span<const RegisteredTool> RegisteredTools()
{
    return Tools;
}

const RegisteredTool* FindTool(std::string_view name)
{
    for (const RegisteredTool& tool : Tools)
        if (name == tool.name)
            return &tool;
    return nullptr;
}

const RegisteredTool* FindToolByButton(int buttonId)
{
    for (const RegisteredTool& tool : Tools)
        if (tool.launcherButton == buttonId)
            return &tool;
    return nullptr;
}

const RegisteredTool* ToolOf(const CKorObj& model)
{
    for (const RegisteredTool& tool : Tools)
        if (tool.isModel(model))
            return &tool;
    return nullptr;
}

std::string LauncherCaption(const RegisteredTool& tool)
{
    const char* text = TemplateControlText(IDD_KORTOOLS_DIALOG, tool.launcherButton);
    return text ? text : "";
}
