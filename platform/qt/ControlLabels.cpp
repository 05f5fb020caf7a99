#include "platform/qt/ControlLabels.h"

#include <climits>

namespace {

// Labels are drawn by hand in the templates and sometimes overlap their control by a unit or
// two; that still reads as "beside" or "above".
constexpr int OverlapTolerance = 2;
// How far above a control a label may end and still be read as its caption, in dialog units.
constexpr int MaxGapAbove = 12;

bool RowsOverlap(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.y < b.y + b.cy && b.y < a.y + a.cy;
}

bool ColumnsOverlap(const ControlTemplate& a, const ControlTemplate& b)
{
    return a.x < b.x + b.cx && b.x < a.x + a.cx;
}

std::string Trimmed(std::string text)
{
    const auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isSpace(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && isSpace(text[first]))
        ++first;
    return text.substr(first);
}

} // namespace

std::string StripMnemonic(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                out += '&';
                ++i;
            }
            continue;
        }
        out += text[i];
    }
    return out;
}

std::string AccessibleLabelFor(const DialogTemplate& dialogTemplate, const ControlTemplate& control)
{
    const ControlTemplate* beside = nullptr;
    int besideGap = INT_MAX;
    const ControlTemplate* above = nullptr;
    int aboveGap = INT_MAX;

    for (const ControlTemplate& label : dialogTemplate.controls) {
        if (label.kind != ControlKind::Label || !label.text || !*label.text)
            continue;
        const int right = label.x + label.cx;
        const int bottom = label.y + label.cy;
        if (RowsOverlap(label, control) && label.x < control.x && right <= control.x + OverlapTolerance) {
            const int gap = control.x - right;
            if (gap < besideGap) {
                besideGap = gap;
                beside = &label;
            }
        } else if (ColumnsOverlap(label, control) && bottom <= control.y + OverlapTolerance
                   && control.y - bottom <= MaxGapAbove) {
            const int gap = control.y - bottom;
            if (gap < aboveGap) {
                aboveGap = gap;
                above = &label;
            }
        }
    }

    const ControlTemplate* label = beside ? beside : above;
    if (!label)
        return {};
    std::string text = Trimmed(StripMnemonic(label->text));
    if (!text.empty() && text.back() == ':')
        text.pop_back();
    return Trimmed(std::move(text));
}
