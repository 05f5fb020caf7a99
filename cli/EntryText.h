// A value as typed on the command line, made into what the variable's edit box would take.
#pragma once

#include <string>
#include <string_view>

class CKorObj;

// The text to apply to variable `index` for the typed `value`. A value that ends in a unit of
// the variable's family (frequency=14GHz, "frequency=14 GHz") is converted by the program's own
// unit conversion to the display unit and given in full precision; anything else is the text as
// typed, for the model to read or refuse as its edit box would. An enumeration's value is
// always the text as typed. A unit that is unknown or of another family is a UsageError that
// names `name`.
std::string EntryText(const CKorObj& model, int index, std::string_view name, std::string_view value);

// The typed `value` as a number in the variable's display unit, a unit converted as above: the
// start, stop and step of a sweep. A value that is not a number is a UsageError.
double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value);
