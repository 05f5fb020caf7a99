#include "cli/Sweep.h"

#include "cli/CalcOptions.h"
#include "cli/EntryText.h"
#include "cli/Output.h"
#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

// Ranges end at STOP within this share of a step, so that 10:14:0.1 ends at 14 although
// (14 - 10) / 0.1 comes to a hair under 40.
constexpr double StopTolerance = 1e-9;
// Past this a sweep would run for days; more likely a step typed in the wrong unit.
constexpr double MostPoints = 1e12;

std::vector<std::string_view> Split(std::string_view values, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = values.find(separator, start);
        parts.push_back(values.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

// Refused points beyond these are counted, not each reported: a sweep across a limit could
// otherwise write hundreds of megabytes of the same refusal.
constexpr long MostReportedRefusals = 20;

// A grid point as a person would type it: 0.1 * 3 is 0.30000000000000004, and "0.3" is meant.
// Rounded to 15 significant digits, which every double holds, then written shortest.
void AssignNumberText(double x, std::string& text)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15g", x);
    double rounded = x;
    std::from_chars(buffer, buffer + std::strlen(buffer), rounded);
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, rounded);
    text.assign(buffer, result.ptr);
}

} // namespace

SweepAxis::SweepAxis(const CalcTool& tool, const std::string& word)
{
    const auto [name, values] = SplitNameValue(word, "NAME=START:STOP:STEP or NAME=V1,V2,... for --sweep");
    const int index = tool.FindVar(name);
    if (!tool.CanEnter(index))
        throw UsageError(std::string(name) + " is derived in " + tool.Tool().name + " and cannot be swept" +
                         tool.EntryChoice(index));
    m_entry.index = index;
    m_entry.name = std::string(name);
    const CKorObj& model = tool.Model();

    if (values.find(':') != std::string_view::npos) {
        const std::vector<std::string_view> parts = Split(values, ':');
        if (parts.size() != 3)
            throw UsageError("'" + Echoed(values) + "' is not START:STOP:STEP for " + m_entry.name);
        m_start = EntryNumber(model, index, name, parts[0]);
        const double stop = EntryNumber(model, index, name, parts[1]);
        m_step = EntryNumber(model, index, name, parts[2]);
        if (!std::isfinite(m_start) || !std::isfinite(stop) || !std::isfinite(m_step))
            throw UsageError("the sweep of " + m_entry.name + " needs finite numbers");
        if (m_step == 0.0 || (stop - m_start) * m_step < 0.0)
            throw UsageError("the step of " + m_entry.name + " does not lead from START to STOP");
        const double steps = std::floor((stop - m_start) / m_step + StopTolerance);
        if (!(steps + 1 <= MostPoints))
            throw UsageError("the sweep of " + m_entry.name + " has too many points");
        m_range = true;
        m_count = static_cast<long>(steps) + 1;
        m_low = std::min(m_start, stop);
        m_high = std::max(m_start, stop);
    } else {
        for (const std::string_view value : Split(values, ',')) {
            if (value.find_first_not_of(" \t") == std::string_view::npos)
                throw UsageError("an empty value in the sweep of " + m_entry.name);
            m_texts.emplace_back(value);
        }
        m_count = static_cast<long>(m_texts.size());
    }
    EntryAt(0, m_entry);
}

void SweepAxis::CheckSomePointTaken(const CalcTool& tool) const
{
    const CKorObj& model = tool.Model();
    const int index = m_entry.index;
    // A range is tried at the end nearest the limits; a list at each of its values.
    std::vector<std::string> tried = m_texts;
    if (m_range && model.GetVarKind(index) == VarKindReal) {
        const int unit = model.GetVarUnit(index);
        const int display = model.GetDisplayUnit(index);
        const double a = ConvertUnit(model.GetRealMin(index), unit, display);
        const double b = ConvertUnit(model.GetRealMax(index), unit, display);
        // An upper limit below the lower one is none at all.
        const double min = model.GetRealMax(index) > model.GetRealMin(index) ? std::min(a, b) : a;
        const double max = model.GetRealMax(index) > model.GetRealMin(index) ? std::max(a, b) : HUGE_VAL;
        if (m_high >= min && m_low <= max)
            return;
        tried.emplace_back();
        AssignNumberText(m_high < min ? m_high : m_low, tried.back());
    }
    const auto scratchModels = tool.CopyOfModels();
    CKorObj& scratch = tool.ModelIn(*scratchModels);
    // The last value's refusal: a range's, or a list's last.
    ErrorSink refused;
    for (const std::string& text : tried) {
        tool.Copy(scratch, model);
        refused = ErrorSink();
        if (tool.Apply(scratch, {index, m_entry.name, text}, refused))
            return;
    }
    if (!tried.empty())
        throw UsageError("no point of the sweep of " + m_entry.name + " is taken: " +
                         EscapeControls(refused.Explanation));
}

long SweepAxis::Count() const
{
    return m_count;
}

void SweepAxis::EntryAt(long i, CalcEntry& entry) const
{
    if (m_range)
        AssignNumberText(m_start + static_cast<double>(i) * m_step, entry.text);
    else
        entry.text.assign(m_texts[static_cast<std::size_t>(i)]);
}

SweepResult RunSweep(const CalcTool& tool, const std::vector<SweepAxis>& axes, bool json, OutputBuffer& out,
                     std::FILE* errors)
{
    SweepResult result;
    double total = 1;
    for (const SweepAxis& axis : axes)
        total *= static_cast<double>(axis.Count());
    if (total > MostPoints)
        throw UsageError("the sweeps have too many points together");
    for (const SweepAxis& axis : axes)
        axis.CheckSomePointTaken(tool);

    const CKorObj& prepared = tool.Model();
    const auto workModels = tool.CopyOfModels();
    CKorObj& work = tool.ModelIn(*workModels);
    const ValueColumns columns(prepared);
    if (!json)
        columns.WriteCsvHeader(out);

    std::vector<CalcEntry> entries;
    for (const SweepAxis& axis : axes)
        entries.push_back(axis.First());
    std::vector<long> at(axes.size(), 0);
    // Made once: a fresh sink already holds texts, and a million of them would be a million
    // allocations. It changes only when a point is refused, and is renewed then.
    ErrorSink refused;

    const long points = static_cast<long>(total);
    for (long point = 1; point <= points; ++point) {
        tool.Copy(work, prepared);
        bool accepted = true;
        for (std::size_t j = 0; j < axes.size() && accepted; ++j) {
            accepted = tool.Apply(work, entries[j], refused);
            if (!accepted) {
                if (++result.refused <= MostReportedRefusals) {
                    std::string where;
                    for (std::size_t k = 0; k < axes.size(); ++k)
                        where += (k ? " " : "") + entries[k].name + '=' + Echoed(entries[k].text);
                    std::fprintf(errors, "point %ld (%s): %s\n", point, where.c_str(),
                                 EscapeControls(refused.Explanation).c_str());
                }
                refused = ErrorSink();
            }
        }
        if (accepted) {
            DeriveAfterEntries(tool.Tool(), work);
            if (json)
                columns.WriteJson(out, tool.Tool(), work, point);
            else
                columns.WriteCsvRow(out, work);
            // A full disk or a closed pipe ends the sweep here, not days later at its end.
            if (out.Failed())
                break;
        }
        // The next point: the last axis moves fastest.
        for (std::size_t j = axes.size(); j-- > 0;) {
            if (++at[j] < axes[j].Count()) {
                axes[j].EntryAt(at[j], entries[j]);
                break;
            }
            at[j] = 0;
            axes[j].EntryAt(0, entries[j]);
        }
    }
    if (result.refused > MostReportedRefusals)
        std::fprintf(errors, "%ld more points refused, %ld in all\n", result.refused - MostReportedRefusals,
                     result.refused);
    result.points = points;
    return result;
}
