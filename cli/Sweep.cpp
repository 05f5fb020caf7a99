#include "cli/Sweep.h"

#include "cli/CalcOptions.h"
#include "cli/EntryText.h"
#include "cli/Output.h"
#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "models/ToolCatalog.h"
#include "models/ToolRegistry.h"

#include <charconv>
#include <cmath>

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

void AssignNumberText(double x, std::string& text)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    text.assign(buffer, result.ptr);
}

} // namespace

SweepAxis::SweepAxis(const CalcTool& tool, const std::string& word)
{
    const auto [name, values] = SplitNameValue(word, "NAME=START:STOP:STEP or NAME=V1,V2,... for --sweep");
    const int index = tool.FindVar(name);
    if (!tool.CanEnter(index))
        throw UsageError(std::string(name) + " is derived in " + tool.Tool().name + " and cannot be swept");
    m_entry.index = index;
    m_entry.name = std::string(name);
    const CKorObj& model = tool.Model();

    if (values.find(':') != std::string_view::npos) {
        const std::vector<std::string_view> parts = Split(values, ':');
        if (parts.size() != 3)
            throw UsageError("'" + std::string(values) + "' is not START:STOP:STEP for " + m_entry.name);
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
                std::string where;
                for (std::size_t k = 0; k < axes.size(); ++k)
                    where += (k ? " " : "") + entries[k].name + '=' + entries[k].text;
                std::fprintf(errors, "point %ld (%s):\n%s\n%s\n%s\n", point, where.c_str(), refused.Problem.c_str(),
                             refused.Explanation.c_str(), refused.Suggestion.c_str());
                refused = ErrorSink();
                ++result.refused;
            }
        }
        if (accepted) {
            DeriveAfterEntries(tool.Tool(), work);
            if (json)
                columns.WriteJson(out, tool.Tool(), work, point);
            else
                columns.WriteCsvRow(out, work);
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
    result.points = points;
    return result;
}
