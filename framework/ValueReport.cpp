#include "framework/ValueReport.h"

#include "framework/KorObj.h"

#include <cctype>
#include <charconv>
#include <locale.h>
#include <system_error>

std::string CommandLineName(const std::string& varName)
{
    std::string name;
    bool inRun = false;
    for (const char c : varName) {
        const auto byte = static_cast<unsigned char>(c);
        if (std::isalnum(byte) && byte < 0x80) {
            name += static_cast<char>(std::tolower(byte));
            inRun = false;
        } else if (!inRun) {
            name += '_';
            inRun = true;
        }
    }
    return name;
}

namespace {

std::string_view TrimUnderscores(std::string_view name)
{
    while (!name.empty() && name.front() == '_')
        name.remove_prefix(1);
    while (!name.empty() && name.back() == '_')
        name.remove_suffix(1);
    return name;
}

} // namespace

int FindVarByCommandLineName(const CKorObj& model, std::string_view name)
{
    const int count = model.GetVarCount();
    std::string varName;
    for (int index = VarIndexDescription + 1; index < count; ++index) {
        model.GetVarName(index, varName);
        if (CommandLineName(varName) == name)
            return index;
    }
    // Only then the shortened form, so that it can never hide a name that is exactly so.
    for (int index = VarIndexDescription + 1; index < count; ++index) {
        model.GetVarName(index, varName);
        const std::string full = CommandLineName(varName);
        if (!name.empty() && TrimUnderscores(full) == name)
            return index;
    }
    return -1;
}

namespace {

locale_t ClassicNumbers()
{
    // Made once and kept for the whole run: every thread may switch to it.
    static const locale_t classic = ::newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
    return classic;
}

} // namespace

ScopedClassicNumbers::ScopedClassicNumbers()
    : m_previous(ClassicNumbers() ? ::uselocale(ClassicNumbers()) : static_cast<locale_t>(0))
{
}

ScopedClassicNumbers::~ScopedClassicNumbers()
{
    if (m_previous)
        ::uselocale(m_previous);
}

std::string ScriptValueText(const CKorObj& model, int index)
{
    const ScopedClassicNumbers classic;
    std::string text;
    model.GetValueText(index, text);
    return text;
}

std::string UnitText(const CKorObj& model, int index)
{
    std::string label;
    model.GetUnitLabel(index, label);
    return label;
}

std::string FormatValueLines(const CKorObj& model)
{
    std::string lines;
    std::string varName;
    const int count = model.GetVarCount();
    for (int index = VarIndexDescription + 1; index < count; ++index) {
        model.GetVarName(index, varName);
        lines += CommandLineName(varName);
        lines += " = ";
        lines += ScriptValueText(model, index);
        const std::string unit = UnitText(model, index);
        if (!unit.empty()) {
            lines += ' ';
            lines += unit;
        }
        lines += '\n';
    }
    return lines;
}

std::string ExactNumberText(double x)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x);
    if (error != std::errc())
        return "nan";
    return std::string(buffer, end);
}
