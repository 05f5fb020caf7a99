// Texts derived from a template's labels: what a mnemonic-free label reads, and what names a
// control for screen readers when it does not name itself.
#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <string_view>

// The text without its mnemonic markers: "&x" reads "x" and "&&" reads "&".
std::string StripMnemonic(std::string_view text);

// The label that names an input control: the nearest label on the same row to its left, else
// the nearest label just above it. Mnemonic markers and a trailing colon are removed, and a
// label of several lines reads as one, each line break a space. Empty when no label stands
// there.
std::string AccessibleLabelFor(const DialogTemplate& dialogTemplate, const ControlTemplate& control);

// The name a screen reader announces for a control whose own text does not name it: an edit or
// a list is named by its label (as above); a radio button or check box without text by the
// caption over its column followed by the label of its row, "Fixed: Satellite Height". Empty
// for every other control and when no label stands there.
std::string AccessibleNameFor(const DialogTemplate& dialogTemplate, const ControlTemplate& control);
