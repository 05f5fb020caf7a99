#include "cli/CalcTool.h"

#include "cli/CalcOptions.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"
#include "state/StateFile.h"
#include "state/ToolState.h"

#include <cstdio>

std::unique_ptr<ToolModels> StartingModels(bool fromState)
{
    auto models = std::make_unique<ToolModels>();
    // Both files the window keeps, kortools.dat and kortools.json; either is enough.
    if (fromState && !LoadToolState(*models))
        return nullptr;
    PrepareStartingModels(*models);
    return models;
}

std::pair<std::string_view, std::string_view> SplitNameValue(std::string_view word, const char* what)
{
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos || equals == 0)
        throw UsageError("'" + Echoed(word) + "' is not " + what);
    return {word.substr(0, equals), word.substr(equals + 1)};
}

CalcTool::CalcTool(const RegisteredTool& tool, std::unique_ptr<ToolModels> models)
    : m_tool(tool)
    , m_models(std::move(models))
    , m_scratch(std::make_unique<ToolModels>())
{
}

CalcTool::~CalcTool() = default;

CKorObj& CalcTool::Model()
{
    return m_tool.model(*m_models);
}

const CKorObj& CalcTool::Model() const
{
    return m_tool.model(*m_models);
}

CKorObj& CalcTool::ModelIn(ToolModels& models) const
{
    return m_tool.model(models);
}

void CalcTool::Copy(CKorObj& to, const CKorObj& from) const
{
    m_tool.copy(to, from);
}

std::unique_ptr<ToolModels> CalcTool::CopyOfModels() const
{
    auto models = std::make_unique<ToolModels>();
    Copy(ModelIn(*models), Model());
    return models;
}

int CalcTool::FindVar(std::string_view name) const
{
    const int index = FindVarByCommandLineName(Model(), name);
    if (index < 0) {
        const CKorObj& model = Model();
        std::vector<std::string> names;
        for (int var = VarIndexDescription + 1; var < model.GetVarCount(); ++var) {
            std::string modelName;
            model.GetVarName(var, modelName);
            names.push_back(CommandLineName(modelName));
        }
        throw UsageError(std::string(m_tool.name) + " has no variable '" + Echoed(name) + "'" +
                         NearestNames(name, names));
    }
    return index;
}

void CalcTool::ApplyChoices(const CalcRequest& request)
{
    CKorObj& model = Model();
    const std::string tool = m_tool.name;
    if (!request.calc.empty()) {
        if (!m_tool.HasCalcVar())
            throw UsageError(tool + " has no choice of calculated variable (--calc)");
        const int index = FindVar(request.calc);
        // As after the dialog's "Calculate": the newly calculated variable follows from the
        // others at once, even if no entry comes after.
        if (index != model.GetCalcVar() && !ChooseCalcVar(model, index))
            throw UsageError(tool + " cannot calculate " + Echoed(request.calc));
    }
    if (!request.fixed.empty()) {
        if (!m_tool.fixedVar)
            throw UsageError(tool + " holds no variable fixed (--fixed)");
        const int index = FindVar(request.fixed);
        if (!IsFixedChoice(m_tool, model, index))
            throw UsageError(tool + " cannot hold " + Echoed(request.fixed) + " fixed");
        m_tool.setFixedVar(model, index);
    }
    if (request.epfd) {
        if (!m_tool.setReceiveGainFlag)
            throw UsageError("--epfd is for the pfd tool only");
        m_tool.setReceiveGainFlag(model, 1);
    }
    for (const std::string& word : request.units) {
        const auto [name, label] = SplitNameValue(word, "NAME=LABEL for --unit");
        const int index = FindVar(name);
        const std::optional<int> unit = FindUnitByLabel(label);
        if (!unit)
            throw UsageError("unknown unit '" + Echoed(label) + "' for --unit");
        if (*unit != model.GetDisplayUnit(index) && !model.SetDisplayUnit(index, *unit))
            throw UsageError(std::string(name) + " cannot be shown in " + Echoed(label));
    }
}

bool CalcTool::CanEnter(int index) const
{
    const CKorObj& model = Model();
    if (model.GetVarAccess(index) != VarEditable)
        return false;
    if (m_tool.HasCalcVar() && index == model.GetCalcVar())
        return false;
    // A model may hold a variable fixed whatever its value (a budget's beamwidths follow from
    // its dishes): try the value it has on a copy, and see whether it is refused as fixed.
    CKorObj& scratch = ModelIn(*m_scratch);
    Copy(scratch, model);
    ErrorSink refused;
    return ApplyEntry(m_tool, scratch, index, CurrentEntryText(model, index), refused)
        || refused.Code != ErrorVariableFixed;
}

std::string CalcTool::EntryChoice(int index) const
{
    const CKorObj& model = Model();
    if (!m_tool.HasCalcVar() || index != model.GetCalcVar())
        return "";
    // Another variable to calculate: the first the tool takes.
    const auto trialModels = CopyOfModels();
    CKorObj& trial = ModelIn(*trialModels);
    for (int other = VarIndexDescription + 1; other < model.GetVarCount(); ++other) {
        if (other != index && trial.SetCalcVar(other)) {
            std::string otherName;
            model.GetVarName(other, otherName);
            return " (--calc " + CommandLineName(otherName) + " makes it an entry)";
        }
    }
    return "";
}

CalcEntry CalcTool::Resolve(std::string_view word) const
{
    const auto [name, value] = SplitNameValue(word, "NAME=VALUE");
    const int index = FindVar(name);
    if (!CanEnter(index))
        throw UsageError(std::string(name) + " is derived in " + m_tool.name + " and cannot be entered" +
                         EntryChoice(index));
    return {index, std::string(name), std::string(value)};
}

bool CalcTool::Apply(CKorObj& model, const CalcEntry& entry, ErrorSink& refused) const
{
    return ApplyEntry(m_tool, model, entry.index, entry.text, refused) != 0;
}
