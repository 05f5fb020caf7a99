#include "state/JsonState.h"

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/ValueReport.h"
#include "models/ToolRegistry.h"

#include <nlohmann/json.hpp>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>

namespace {

// Far more than the values of any number of tools; whatever is larger is nobody's values, and
// the launcher's start is not held up reading it.
constexpr std::size_t MaxFileSize = 1 << 20;

std::string NameOf(const CKorObj& model, int index)
{
    std::string name;
    model.GetVarName(index, name);
    return CommandLineName(name);
}

bool IsInt(const CKorObj& model, int index)
{
    return model.GetVarKind(index) == VarKindInt;
}

std::optional<std::string> ReadAtMost(std::FILE* file, std::size_t limit)
{
    std::string text;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
        text.append(buffer, n);
        if (text.size() > limit)
            return std::nullopt;
    }
    if (std::ferror(file))
        return std::nullopt;
    return text;
}

// A whole number that fits an int. The parser keeps positive numbers unsigned, and a large one
// read as signed would wrap round to a small value that a model might take.
std::optional<int> IntOf(const nlohmann::json& value)
{
    if (value.is_number_unsigned()) {
        if (const auto number = value.get<std::uint64_t>(); number <= static_cast<std::uint64_t>(INT_MAX))
            return static_cast<int>(number);
    } else if (value.is_number_integer()) {
        if (const auto number = value.get<std::int64_t>(); number >= INT_MIN && number <= INT_MAX)
            return static_cast<int>(number);
    }
    return std::nullopt;
}

// Enters the value kept for variable `index`, or leaves the variable as it is. A value it
// already holds is not entered again: the entry could undo what an earlier one filled in (a
// rain rate entered becomes no zone's, even the zone's own rate).
void Enter(CKorObj& model, int index, const nlohmann::json& value)
{
    ErrorSink refused;
    if (IsInt(model, index)) {
        const std::optional<int> choice = IntOf(value);
        int held = 0;
        if (!choice || (model.GetIntVar(index, held) && held == *choice))
            return;
        if (model.IsEnumVar(index) && (*choice < 0 || *choice >= model.GetEnumCount(index)))
            return;
        model.SetIntVar(index, *choice, refused);
        return;
    }
    // Finite: JSON has no NaN or infinity, and the parser refuses a number beyond a double.
    if (!value.is_number())
        return;
    const double number = value.get<double>();
    double held = 0.0;
    if (model.GetRealVar(index, held) && held == number)
        return;
    model.SetRealVar(index, number, refused);
}

void ReadTool(const nlohmann::json& values, const JsonTool<CKorObj>& tool)
{
    // The choices first: one may fill a number in (the rain zone its rate) that was typed over.
    for (const bool choices : {true, false})
        for (const int index : tool.kept)
            if (IsInt(tool.model, index) == choices)
                if (const auto value = values.find(NameOf(tool.model, index)); value != values.end())
                    Enter(tool.model, index, *value);
    tool.model.Recalculate();
}

// The registry's tools without a record, each with its model in `models`.
template <class Tool, class Models>
std::vector<Tool> RegisteredJsonTools(Models& models)
{
    std::vector<Tool> tools;
#define KORTOOLS_JSON_TOOL(member, Model, name, button, dialog, record, ...) \
    if ((record) == 0)                                                      \
        tools.push_back(Tool{name, models.member, KeptVars(Model())});
    KORTOOLS_TOOLS(KORTOOLS_JSON_TOOL)
#undef KORTOOLS_JSON_TOOL
    return tools;
}

} // namespace

std::vector<int> KeptVars(const CKorObj& fresh)
{
    std::vector<int> kept;
    for (int index = VarIndexDescription + 1; index < fresh.GetVarCount(); ++index) {
        const int kind = fresh.GetVarKind(index);
        if (fresh.GetVarAccess(index) == VarEditable && (kind == VarKindInt || kind == VarKindReal))
            kept.push_back(index);
    }
    return kept;
}

void WriteJsonTools(std::FILE* file, std::span<const JsonTool<const CKorObj>> tools)
{
    // In the order of the tools and of their variables, as a person reading the file expects.
    nlohmann::ordered_json kept = nlohmann::ordered_json::object();
    for (const JsonTool<const CKorObj>& tool : tools) {
        nlohmann::ordered_json values = nlohmann::ordered_json::object();
        for (const int index : tool.kept) {
            int choice = 0;
            double number = 0.0;
            if (IsInt(tool.model, index) && tool.model.GetIntVar(index, choice))
                values[NameOf(tool.model, index)] = choice;
            else if (!IsInt(tool.model, index) && tool.model.GetRealVar(index, number))
                values[NameOf(tool.model, index)] = number;
        }
        kept[std::string(tool.name)] = std::move(values);
    }
    nlohmann::ordered_json document = nlohmann::ordered_json::object();
    document["version"] = JsonStateVersion;
    document["tools"] = std::move(kept);
    // The shortest text of each double that reads back as exactly that double.
    const std::string text = document.dump(2) + '\n';
    std::fwrite(text.data(), 1, text.size(), file);
}

bool ReadJsonTools(std::FILE* file, std::span<const JsonTool<CKorObj>> tools)
{
    const std::optional<std::string> text = ReadAtMost(file, MaxFileSize);
    if (!text)
        return false;
    const nlohmann::json document = nlohmann::json::parse(*text, nullptr, /*allow_exceptions=*/false);
    if (!document.is_object())
        return false;
    const auto version = document.find("version");
    if (version == document.end() || IntOf(*version) != JsonStateVersion)
        return false;
    const auto kept = document.find("tools");
    if (kept == document.end() || !kept->is_object())
        return false;
    for (const JsonTool<CKorObj>& tool : tools)
        if (const auto values = kept->find(std::string(tool.name)); values != kept->end() && values->is_object())
            ReadTool(*values, tool);
    return true;
}

void WriteJsonState(std::FILE* file, const ToolModels& models)
{
    WriteJsonTools(file, RegisteredJsonTools<JsonTool<const CKorObj>>(models));
}

bool ReadJsonState(std::FILE* file, ToolModels& models)
{
    return ReadJsonTools(file, RegisteredJsonTools<JsonTool<CKorObj>>(models));
}
