#include "platform/ControlLabels.h"

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

bool IsSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string Trimmed(std::string text)
{
    while (!text.empty() && IsSpace(text.back()))
        text.pop_back();
    std::size_t first = 0;
    while (first < text.size() && IsSpace(text[first]))
        ++first;
    return text.substr(first);
}

std::string WithoutColon(std::string text)
{
    if (!text.empty() && text.back() == ':')
        text.pop_back();
    return Trimmed(std::move(text));
}

bool HasText(const ControlTemplate& control)
{
    return control.text && !Trimmed(StripMnemonic(control.text)).empty();
}

// A label's text as one line: a label drawn on two lines ("Fixed when vary \nC/I or C/(N+I):")
// reads as one phrase, with the line break and the spaces around it a single space.
std::string LabelText(const ControlTemplate& label)
{
    const std::string text = Trimmed(StripMnemonic(label.text));
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (IsSpace(c)) {
            if (!line.empty() && line.back() != ' ')
                line += ' ';
        } else {
            line += c;
        }
    }
    return line;
}

// The nearest label on the control's row ending left of it, and the nearest one ending just
// above it over the same columns.
struct NearbyLabels {
    const ControlTemplate* beside = nullptr;
    const ControlTemplate* above = nullptr;
    // The label furthest left on the control's row: the one that names the whole row.
    const ControlTemplate* rowStart = nullptr;
};

// A drop-down list's template height is that of its open list; closed, it stands one edit high,
// and only that row is where its label stands.
constexpr int ClosedListHeight = 14;

NearbyLabels FindLabels(const DialogTemplate& dialogTemplate, const ControlTemplate& shown)
{
    ControlTemplate control = shown;
    if (control.kind == ControlKind::DropDownList && control.cy > ClosedListHeight)
        control.cy = ClosedListHeight;
    NearbyLabels found;
    int besideGap = INT_MAX;
    int aboveGap = INT_MAX;
    for (const ControlTemplate& label : dialogTemplate.controls) {
        if (label.kind != ControlKind::Label || !HasText(label))
            continue;
        const int right = label.x + label.cx;
        const int bottom = label.y + label.cy;
        if (RowsOverlap(label, control) && label.x < control.x && right <= control.x + OverlapTolerance) {
            const int gap = control.x - right;
            if (gap < besideGap) {
                besideGap = gap;
                found.beside = &label;
            }
            if (!found.rowStart || label.x < found.rowStart->x)
                found.rowStart = &label;
        } else if (ColumnsOverlap(label, control) && bottom <= control.y + OverlapTolerance
                   && control.y - bottom <= MaxGapAbove) {
            const int gap = control.y - bottom;
            if (gap < aboveGap) {
                aboveGap = gap;
                found.above = &label;
            }
        }
    }
    return found;
}

// The top of a column of buttons like this one (of the same kind, without text, stacked close
// under one another), which is where the column's caption stands.
const ControlTemplate& ColumnTop(const DialogTemplate& dialogTemplate, const ControlTemplate& control)
{
    const ControlTemplate* top = &control;
    for (bool moved = true; moved;) {
        moved = false;
        for (const ControlTemplate& other : dialogTemplate.controls) {
            const int bottom = other.y + other.cy;
            if (other.kind == control.kind && !HasText(other) && other.y < top->y && ColumnsOverlap(other, *top)
                && bottom <= top->y + OverlapTolerance && top->y - bottom <= MaxGapAbove) {
                top = &other;
                moved = true;
                break;
            }
        }
    }
    return *top;
}

std::string TextlessButtonName(const DialogTemplate& dialogTemplate, const ControlTemplate& button)
{
    const ControlTemplate* caption = FindLabels(dialogTemplate, ColumnTop(dialogTemplate, button)).above;
    const ControlTemplate* row = FindLabels(dialogTemplate, button).rowStart;
    if (!caption)
        return row ? WithoutColon(LabelText(*row)) : std::string();
    if (!row)
        return WithoutColon(LabelText(*caption));
    // The caption reads as the start of a sentence the row finishes: "Fixed: Satellite Height".
    const std::string start = LabelText(*caption);
    const std::string separator = start.back() == ':' ? " " : ": ";
    return start + separator + WithoutColon(LabelText(*row));
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
    const NearbyLabels found = FindLabels(dialogTemplate, control);
    const ControlTemplate* label = found.beside ? found.beside : found.above;
    return label ? WithoutColon(LabelText(*label)) : std::string();
}

std::string AccessibleNameFor(const DialogTemplate& dialogTemplate, const ControlTemplate& control)
{
    switch (control.kind) {
    case ControlKind::Edit:
    case ControlKind::DropDownList:
        return AccessibleLabelFor(dialogTemplate, control);
    case ControlKind::RadioButton:
    case ControlKind::CheckBox:
        return HasText(control) ? std::string() : TextlessButtonName(dialogTemplate, control);
    default:
        return {};
    }
}
