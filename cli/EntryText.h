// A value as typed on the command line. It goes to the model as typed, which reads it as the
// variable's edit box would, a unit at its end included; here it is only checked first.
#pragma once

#include <string_view>

class CKorObj;

// A UsageError, naming `name`, where the model would read only the start of `value`: a number
// followed by text that names no unit ("14 parsecs", "14,5"). An edit box passes such text
// over; on a command line it is more likely a mistake than something meant.
void CheckEntryText(const CKorObj& model, int index, std::string_view name, std::string_view value);

// The typed `value` as a number in the variable's display unit, as the model reads it (a unit of
// the variable's family converted): the start, stop and step of a sweep. A UsageError where it
// gives no number, or where the model refuses its unit (with the model's explanation).
double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value);
