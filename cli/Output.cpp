#include "cli/Output.h"

#include "framework/KorObj.h"
#include "framework/Units.h"
#include "framework/ValueReport.h"
#include "models/ToolCatalog.h"

#include <nlohmann/json.hpp>

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>

namespace {

constexpr std::size_t BufferSize = 1 << 20;
// Enough for any number to_chars writes.
constexpr std::size_t NumberRoom = 64;

std::string VarName(const CKorObj& model, int index)
{
    std::string name;
    model.GetVarName(index, name);
    return name;
}

// A CSV cell as RFC 4180 has it: quoted, its quotes doubled, when it holds a separator, a quote
// or a line break.
void PutCsvText(OutputBuffer& out, std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.Put(text);
        return;
    }
    out.Put('"');
    for (const char c : text) {
        if (c == '"')
            out.Put('"');
        out.Put(c);
    }
    out.Put('"');
}

template <class Number>
void PutNumber(OutputBuffer& out, Number x)
{
    char* start = out.Reserve(NumberRoom);
    out.Commit(std::to_chars(start, start + NumberRoom, x).ptr);
}

} // namespace

OutputBuffer::OutputBuffer(std::FILE* file)
    : m_file(file)
    , m_buffer(std::make_unique_for_overwrite<char[]>(BufferSize))
    , m_size(BufferSize)
{
}

// Nothing is written here: what was not flushed belongs to a run that failed.
OutputBuffer::~OutputBuffer() = default;

void OutputBuffer::Put(std::string_view text)
{
    char* at = Reserve(text.size());
    std::memcpy(at, text.data(), text.size());
    Commit(at + text.size());
}

void OutputBuffer::Put(char c)
{
    char* at = Reserve(1);
    *at = c;
    Commit(at + 1);
}

char* OutputBuffer::Reserve(std::size_t size)
{
    if (m_size - m_used < size) {
        Flush();
        if (m_size < size) {
            m_buffer = std::make_unique_for_overwrite<char[]>(size);
            m_size = size;
        }
    }
    return m_buffer.get() + m_used;
}

void OutputBuffer::Commit(char* end)
{
    m_used = static_cast<std::size_t>(end - m_buffer.get());
}

bool OutputBuffer::Flush()
{
    if (m_failed) {
        m_used = 0;
        return false;
    }
    errno = 0;
    m_failed = (m_used > 0 && std::fwrite(m_buffer.get(), 1, m_used, m_file) != m_used) || std::fflush(m_file) != 0;
    m_used = 0;
    if (m_failed)
        m_error = errno != 0 ? errno : EIO;
    return !m_failed;
}

ValueColumns::ValueColumns(const CKorObj& model)
{
    for (int index = VarIndexDescription + 1; index < model.GetVarCount(); ++index) {
        m_columns.push_back({index, model.GetVarKind(index) == VarKindInt, model.IsEnumVar(index) != 0,
                             model.GetVarUnit(index), model.GetDisplayUnit(index),
                             CommandLineName(VarName(model, index))});
    }
}

double ValueColumns::DisplayValue(const CKorObj& model, const Column& column) const
{
    double stored = 0.0;
    model.GetRealVar(column.index, stored);
    const double value = ConvertUnit(stored, column.unit, column.display);
    // A zero has no sign here either, as in the number text: "-0" in a column of results reads
    // as a value of its own.
    return value == 0.0 ? 0.0 : value;
}

void ValueColumns::WriteCsvHeader(OutputBuffer& out) const
{
    for (std::size_t i = 0; i < m_columns.size(); ++i) {
        if (i > 0)
            out.Put(',');
        PutCsvText(out, m_columns[i].name);
    }
    out.Put('\n');
}

void ValueColumns::WriteCsvRow(OutputBuffer& out, const CKorObj& model) const
{
    bool first = true;
    for (const Column& column : m_columns) {
        if (!first)
            out.Put(',');
        first = false;
        if (column.integer) {
            int value = 0;
            model.GetIntVar(column.index, value);
            const char* text = column.enumeration ? model.GetEnumText(column.index, value) : nullptr;
            if (text)
                PutCsvText(out, text);
            else
                PutNumber(out, value);
            continue;
        }
        const double value = DisplayValue(model, column);
        if (std::isfinite(value))
            PutNumber(out, value);
    }
    out.Put('\n');
}

void ValueColumns::WriteJson(OutputBuffer& out, const RegisteredTool& tool, const CKorObj& model, long point) const
{
    // Members in the order written here, not sorted: people read these too.
    nlohmann::ordered_json object;
    object["tool"] = tool.name;
    if (point > 0)
        object["point"] = point;
    nlohmann::ordered_json variables = nlohmann::ordered_json::array();
    for (const Column& column : m_columns) {
        nlohmann::ordered_json variable;
        variable["name"] = column.name;
        variable["model_name"] = VarName(model, column.index);
        if (column.integer) {
            int value = 0;
            model.GetIntVar(column.index, value);
            variable["value"] = value;
        } else {
            const double value = DisplayValue(model, column);
            variable["value"] = std::isfinite(value) ? nlohmann::ordered_json(value) : nlohmann::ordered_json();
        }
        variable["unit"] = UnitText(model, column.index);
        variable["text"] = ScriptValueText(model, column.index);
        variables.push_back(std::move(variable));
    }
    object["variables"] = std::move(variables);
    // Texts are the program's own ASCII, but a name typed into a saved file is not checked:
    // replace what is not UTF-8 rather than stop half-way through the output.
    out.Put(object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace));
    out.Put('\n');
}

void WriteValueText(OutputBuffer& out, const CKorObj& model)
{
    out.Put(FormatValueLines(model));
}

void WriteToolList(OutputBuffer& out)
{
    for (const RegisteredTool& tool : RegisteredTools()) {
        out.Put(tool.name);
        out.Put('\t');
        out.Put(LauncherCaption(tool));
        out.Put('\n');
    }
}

void WriteVarLine(OutputBuffer& out, const CKorObj& model, int index, const std::string& label, bool entered)
{
    const ScopedClassicNumbers classic;
    const int display = model.GetDisplayUnit(index);
    std::string limits;
    if (model.IsEnumVar(index)) {
        limits = "choices";
        for (int choice = 0; choice < model.GetEnumCount(index); ++choice) {
            limits += choice == 0 ? " " : "; ";
            limits += std::to_string(choice) + ' ' + model.GetEnumText(index, choice);
        }
    } else if (model.GetVarKind(index) == VarKindInt) {
        limits = "from " + std::to_string(model.GetIntMin(index)) + " to " + std::to_string(model.GetIntMax(index));
    } else {
        // An upper limit below the lower one is none at all.
        const double min = model.GetRealMin(index);
        const double max = model.GetRealMax(index);
        const int unit = model.GetVarUnit(index);
        limits = "from " + FormatNumber(ConvertUnit(min, unit, display));
        if (max > min)
            limits += " to " + FormatNumber(ConvertUnit(max, unit, display));
    }
    out.Put(CommandLineName(VarName(model, index)));
    out.Put('\t');
    out.Put(VarName(model, index));
    out.Put('\t');
    out.Put(label);
    out.Put('\t');
    out.Put(UnitLabel(display));
    out.Put('\t');
    out.Put(limits);
    out.Put('\t');
    out.Put(entered ? "entered" : "derived");
    out.Put('\n');
}
