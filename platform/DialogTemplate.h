// Dialogs described once, as data, for every host to build: ids, texts, positions in dialog
// units, in creation and tab order.
#pragma once

#include <span>

enum class ControlKind {
    PushButton,
    Edit,
    Label,
    GroupBox,
    RadioButton,
    CheckBox,
    DropDownList,
    Picture, // an image set at run time; empty until then
    Icon,    // the application icon
};

// Control flags.
inline constexpr unsigned CF_DEFAULT = 1u << 0;   // the default push button, pressed by Enter
inline constexpr unsigned CF_DISABLED = 1u << 1;  // created disabled
inline constexpr unsigned CF_HIDDEN = 1u << 2;    // created hidden
inline constexpr unsigned CF_GROUP = 1u << 3;     // starts a radio group
inline constexpr unsigned CF_MULTILINE = 1u << 4; // edit: several lines, wrapped
inline constexpr unsigned CF_RIGHT = 1u << 5;     // label: right-aligned text
inline constexpr unsigned CF_NOPREFIX = 1u << 6;  // label: "&" is shown, not a mnemonic
inline constexpr unsigned CF_VCENTER = 1u << 7;   // label: text centred vertically
inline constexpr unsigned CF_LEFTTEXT = 1u << 8;  // check box: its text on the left of the box
inline constexpr unsigned CF_NOTABSTOP = 1u << 9; // Tab passes it by; a click still reaches it

struct ControlTemplate {
    int id; // IDC_STATIC for controls nobody addresses
    ControlKind kind;
    const char* text;
    int x, y, cx, cy; // dialog units
    unsigned flags;
};

// Dialog style flags.
inline constexpr unsigned DS_VISIBLE = 1u << 0;   // shown as soon as it is created
inline constexpr unsigned DS_SYSMENU = 1u << 1;   // has a system menu and close box
inline constexpr unsigned DS_APPWINDOW = 1u << 2; // has a taskbar button of its own

struct DialogTemplate {
    int id;
    const char* caption;
    int cx, cy; // dialog units
    const char* fontName;
    int fontPoints;
    unsigned style;
    std::span<const ControlTemplate> controls;

    const ControlTemplate* Find(int controlId) const;
};

// Whether the keyboard reaches a control of this kind with Tab. A radio group is one stop.
bool IsTabStopKind(ControlKind kind);
// Whether Tab reaches this control: a kind that takes the keyboard, not marked CF_NOTABSTOP.
bool IsTabStop(const ControlTemplate& control);

// The template with this id, or null. The templates themselves live with the resources.
const DialogTemplate* FindDialogTemplate(int id);
