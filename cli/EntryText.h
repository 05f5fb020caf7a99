// A value as typed on the command line. It goes to the model as typed, which reads it as the
// variable's edit box would, a unit at its end included, and refuses it as the edit box would.
#pragma once

#include "framework/ErrorSink.h"

#include <exception>
#include <string_view>

class CKorObj;

// A typed value the tool's model refused to read: reported with the model's own problem,
// explanation and suggestion, and exit status 2, like any entry the model refuses.
class RefusedEntry : public std::exception {
public:
    explicit RefusedEntry(ErrorSink refused) : m_refused(std::move(refused)) {}
    const char* what() const noexcept override { return m_refused.Explanation.c_str(); }
    const ErrorSink& Refusal() const { return m_refused; }

private:
    ErrorSink m_refused;
};

// The typed `value` as a number in the variable's display unit, as the model reads it (a unit of
// the variable's family converted): the start, stop and step of a sweep. A RefusedEntry where
// the model refuses the text; for an enumeration, whose range counts its choices' numbers, a
// UsageError naming `name` where the text is no number.
double EntryNumber(const CKorObj& model, int index, std::string_view name, std::string_view value);
