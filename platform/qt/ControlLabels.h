// Texts derived from a template's labels: what a mnemonic-free label reads, and which label
// names an input control for screen readers.
#pragma once

#include "platform/DialogTemplate.h"

#include <string>
#include <string_view>

// The text without its mnemonic markers: "&x" reads "x" and "&&" reads "&".
std::string StripMnemonic(std::string_view text);

// The label that names an input control: the nearest label on the same row to its left, else
// the nearest label just above it. Mnemonic markers and a trailing colon are removed. Empty
// when no label stands there.
std::string AccessibleLabelFor(const DialogTemplate& dialogTemplate, const ControlTemplate& control);
