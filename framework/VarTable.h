// A tool model described as one table of its variables, and the base that answers every
// question about them from that table.
//
// Without this, every model spells the same index switch a dozen times over: the value, the
// checked write, the name, the unit, the display unit and the units it may switch to, the kind,
// the enumeration's choices. A model that derives from CKorTableObj states each variable in one
// row and keeps only what is its own: which variable it derives, what follows a write, and the
// variables it refuses.
#pragma once

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"

#include <cstddef>
#include <span>
#include <string>
#include <type_traits>

// An upper limit below the lower one: CheckRealLimits then applies no upper limit at all.
// Good for any lower limit above -1.
inline constexpr double NoUpperLimit = -1.0;

// The display units a variable may be switched to: a run of unit codes, first to last
// (Hz to GHz, km to mm).
struct UnitChoice {
    int first;
    int last;

    constexpr bool Accepts(int unit) const { return unit >= first && unit <= last; }
};

inline constexpr UnitChoice FrequencyUnits{UnitHz, UnitGHz};
inline constexpr UnitChoice DistanceUnits{UnitKm, UnitMm};

template <class Model>
struct VarRow {
    const char* name;  // as the user reads it in the dialog and in every warning
    int kind;          // VarKindReal or VarKindInt
    int unit;          // storage unit
    int display;       // display unit, when the user has no choice of it
    double min;        // limits in the storage unit, as CheckRealLimits and CheckIntLimits take
    double max;        // them (an integer variable's are whole numbers)
    double Model::*real = nullptr;
    int Model::*integer = nullptr;
    int Model::*displayChoice = nullptr; // where the user's choice of display unit is kept
    UnitChoice choices{0, -1};
    std::span<const char* const> enumTexts{}; // an enumeration's choices, numbered from 0
};

// A real variable shown in its storage unit, or in a fixed other one.
template <class Model>
constexpr VarRow<Model> RealVar(const char* name, int unit, double min, double max, double Model::*member)
{
    return {name, VarKindReal, unit, unit, min, max, member};
}

template <class Model>
constexpr VarRow<Model> RealVar(const char* name, int unit, int display, double min, double max,
                                double Model::*member)
{
    return {name, VarKindReal, unit, display, min, max, member};
}

// A real variable whose display unit the user picks among `choices`; `displayChoice` keeps it.
template <class Model>
constexpr VarRow<Model> RealVarShownIn(const char* name, int unit, int Model::*displayChoice,
                                       UnitChoice choices, double min, double max, double Model::*member)
{
    return {name, VarKindReal, unit, unit, min, max, member, nullptr, displayChoice, choices};
}

// An enumeration: its value is the number of one of `texts`, and nothing else is accepted.
template <class Model>
constexpr VarRow<Model> EnumVar(const char* name, std::span<const char* const> texts, int Model::*member)
{
    return {name, VarKindInt, UnitNone, UnitNone, 0.0, static_cast<double>(texts.size()) - 1.0,
            nullptr, member, nullptr, {0, -1}, texts};
}

// A whole number between min and max.
template <class Model>
constexpr VarRow<Model> IntVar(const char* name, int unit, int min, int max, int Model::*member)
{
    return {name, VarKindInt, unit, unit, static_cast<double>(min), static_cast<double>(max), nullptr, member};
}

template <class Model>
using VarRows = std::span<const VarRow<Model>>;

// Whether a model's rows stand for every variable from index 2 up to its VarTotal.
template <class Model, std::size_t N>
constexpr bool CoversEveryVar(const VarRow<Model> (&)[N])
{
    return N == static_cast<std::size_t>(Model::VarTotal - VarIndexDescription - 1);
}

// The base of a tabled model. Model declares `static VarRows<Model> Vars();`, one row per
// variable from index 2 on, in index order, and makes the members the rows name reachable.
template <class Model>
class CKorTableObj : public CKorObj {
public:
    static constexpr int FirstVar = VarIndexDescription + 1;

    int GetRealVar(int index, double& out) const override
    {
        const VarRow<Model>* row = Row(index);
        const bool real = row && row->real;
        out = real ? Self().*(row->real) : 0.0;
        return real ? 1 : 0;
    }

    int GetIntVar(int index, int& out) const override
    {
        const VarRow<Model>* row = Row(index);
        const bool integer = row && row->integer;
        out = integer ? Self().*(row->integer) : 0;
        return integer ? 1 : 0;
    }

    // The limits of the row, in the storage unit, as its writes check them; an upper limit below
    // the lower one means there is none. What a model refuses beyond them is its own setter's.
    double GetRealMin(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? row->min : CKorObj::GetRealMin(index);
    }

    double GetRealMax(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? row->max : CKorObj::GetRealMax(index);
    }

    int GetIntMin(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? static_cast<int>(row->min) : CKorObj::GetIntMin(index);
    }

    int GetIntMax(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? static_cast<int>(row->max) : CKorObj::GetIntMax(index);
    }

    int GetEnumCount(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? static_cast<int>(row->enumTexts.size()) : 0;
    }

    const char* GetEnumText(int index, int choice) const override
    {
        const VarRow<Model>* row = Row(index);
        if (!row || choice < 0 || choice >= static_cast<int>(row->enumTexts.size()))
            return nullptr;
        return row->enumTexts[choice];
    }

    void GetVarName(int index, std::string& out) const override
    {
        if (const VarRow<Model>* row = Row(index))
            out = row->name;
        else
            CKorObj::GetVarName(index, out);
    }

    int GetVarUnit(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        return row ? row->unit : UnitNone;
    }

    int GetDisplayUnit(int index) const override
    {
        const VarRow<Model>* row = Row(index);
        if (!row)
            return UnitNone;
        return row->displayChoice ? Self().*(row->displayChoice) : row->display;
    }

    int SetDisplayUnit(int index, int unit) override
    {
        const VarRow<Model>* row = Row(index);
        if (!row || !row->displayChoice || !row->choices.Accepts(unit))
            return 0;
        MutableSelf().*(row->displayChoice) = unit;
        return 1;
    }

    int GetVarKind(int index) const override
    {
        if (index == VarIndexName || index == VarIndexDescription)
            return VarKindString;
        const VarRow<Model>* row = Row(index);
        return row ? row->kind : VarKindInt;
    }

    int GetVarCount() const override { return FirstVar + static_cast<int>(Model::Vars().size()); }

protected:
    CKorTableObj() = default;
    CKorTableObj(const CKorTableObj&) = default;
    CKorTableObj& operator=(const CKorTableObj&) = default;

    // The row of index, or null for Name, Description and anything past the last variable.
    static const VarRow<Model>* Row(int index)
    {
        const VarRows<Model> rows = Model::Vars();
        if (index < FirstVar || index >= FirstVar + static_cast<int>(rows.size()))
            return nullptr;
        return &rows[static_cast<std::size_t>(index - FirstVar)];
    }

    // Refuses an index that is not a real variable, then a value outside the row's limits, and
    // otherwise stores the value. Whatever follows from it is the caller's to do.
    int CheckAndStore(int index, double value, ErrorSink& sink)
    {
        const VarRow<Model>* row = Row(index);
        if (!row || !row->real) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        if (!CheckRealLimits(value, row->min, row->max, sink, index))
            return 0;
        MutableSelf().*(row->real) = value;
        return 1;
    }

    // The same for an integer or enumeration variable.
    int CheckAndStoreInt(int index, int value, ErrorSink& sink)
    {
        const VarRow<Model>* row = Row(index);
        if (!row || !row->integer) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        if (!CheckIntLimits(value, static_cast<int>(row->min), static_cast<int>(row->max), sink, index))
            return 0;
        MutableSelf().*(row->integer) = value;
        return 1;
    }

    // The write of a model whose results all follow from its entries at once: a variable the
    // model does not let the user type (GetVarAccess: a result, or one a caller locked) is
    // refused as fixed, a value beyond the row's limits with the range message, and a stored
    // value recalculates. A choice (an int) goes through the integer limits, a number through the
    // real ones.
    template <class Value>
    int StoreEntry(int index, Value value, ErrorSink& sink)
    {
        if (GetVarAccess(index) != VarEditable) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        const int stored = std::is_same_v<Value, int> ? CheckAndStoreInt(index, static_cast<int>(value), sink)
                                                      : CheckAndStore(index, static_cast<double>(value), sink);
        if (!stored)
            return 0;
        Recalculate();
        return 1;
    }

    // The write of a model that derives its calculated variable from the others. That variable
    // is refused first, then whatever the model itself holds fixed at the moment (fixedByModel);
    // a stored value recalculates.
    int SetAndRecalculate(int index, double value, ErrorSink& sink, bool fixedByModel = false)
    {
        if (index == GetCalcVar() || fixedByModel) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        if (!CheckAndStore(index, value, sink))
            return 0;
        Recalculate();
        return 1;
    }

private:
    const Model& Self() const { return static_cast<const Model&>(*this); }
    Model& MutableSelf() { return static_cast<Model&>(*this); }
};
