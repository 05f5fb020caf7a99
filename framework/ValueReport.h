// A model's values as text for people and for scripts: the command-line names of its variables
// and its values one per line. The command-line program prints exactly this, and every tool's
// "Copy Values" puts exactly this on the clipboard, so a number pasted from the program and one
// printed by a script always agree.
#pragma once

#include <clocale>
#include <string>
#include <string_view>

class CKorObj;

// The name a variable goes by on the command line, made from its own name by one rule: lower
// case, and every run of other characters than letters and digits becomes one '_'.
// "Transmit Power" is transmit_power, "C/(N+I)" is c_n_i_.
std::string CommandLineName(const std::string& varName);

// The index of the model's variable (from 2 on) whose command-line name is `name`, or -1. A
// name given without the '_' a rule name starts or ends with ("c_n_i" for c_n_i_) is found too.
int FindVarByCommandLineName(const CKorObj& model, std::string_view name);

// Numbers as text with a '.' for the decimal point whatever the user's locale, for as long as
// this lives, on this thread only: text meant for scripts and other programs must not change
// with the desktop's language.
class ScopedClassicNumbers {
public:
    ScopedClassicNumbers();
    ~ScopedClassicNumbers();
    ScopedClassicNumbers(const ScopedClassicNumbers&) = delete;
    ScopedClassicNumbers& operator=(const ScopedClassicNumbers&) = delete;

private:
    locale_t m_previous;
};

// The variable's value as its tool's edit shows it (the program's number text, an
// enumeration's choice), with a '.' decimal point.
std::string ScriptValueText(const CKorObj& model, int index);
// The variable's display unit label, empty for a plain number.
std::string UnitText(const CKorObj& model, int index);

// "name = value unit", one line per variable from index 2 on, each ended by '\n'.
std::string FormatValueLines(const CKorObj& model);

// The shortest text that reads back as exactly x, with a '.' decimal point.
std::string ExactNumberText(double x);
