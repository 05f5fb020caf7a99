// One table of a tool model's real variables, and the lookups its overrides make through it.
//
// Most tool models are a handful of real variables from index 2 on, and without this every one
// of them spells the same index switch five times over: the value, the checked write, the name,
// the unit and the kind. Written once here, a model states each variable in one row, and what
// is its own (a partner derived on write, a variable it refuses) stays in its own override.
#pragma once

#include "framework/ErrorSink.h"
#include "framework/KorObj.h"
#include "framework/Units.h"

#include <array>
#include <cstddef>
#include <string>

// An upper limit below the lower one: CheckRealLimits then applies no upper limit at all.
// Good for any lower limit above -1.
inline constexpr double NoUpperLimit = -1.0;

template <class Model>
struct RealVar {
    const char* name;   // as the user reads it in the dialog and in every warning
    int unit;           // storage unit
    double min;
    double max;
    double Model::*member;
};

// For a model whose variables from index 2 up to Model::VarTotal are all real: one row each, in
// index order.
template <class Model>
class RealVarTable {
public:
    static constexpr int First = VarIndexDescription + 1;
    static constexpr int Count = Model::VarTotal - First;

    template <std::size_t N>
    constexpr RealVarTable(const RealVar<Model> (&rows)[N])
    {
        static_assert(N == Count, "one row for each variable from index 2 to VarTotal");
        for (std::size_t i = 0; i < N; ++i)
            m_rows[i] = rows[i];
    }

    // The row of index, or null for Name, Description and anything past the last variable.
    constexpr const RealVar<Model>* Find(int index) const
    {
        return index >= First && index < First + Count ? &m_rows[index - First] : nullptr;
    }

    int Get(const Model& model, int index, double& out) const
    {
        const RealVar<Model>* var = Find(index);
        out = var ? model.*(var->member) : 0.0;
        return var ? 1 : 0;
    }

    // Refuses an unknown index, then a value outside the row's limits, and otherwise stores the
    // value. Whatever follows from it is the caller's to do.
    int CheckAndStore(Model& model, int index, double value, ErrorSink& sink) const
    {
        const RealVar<Model>* var = Find(index);
        if (!var) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        if (!model.CheckRealLimits(value, var->min, var->max, sink, index))
            return 0;
        model.*(var->member) = value;
        return 1;
    }

    // The write of a model that derives its calculated variable from the others. That variable
    // is refused first, then whatever the model itself holds fixed at the moment (fixedByModel);
    // a stored value recalculates.
    int SetAndRecalculate(Model& model, int index, double value, ErrorSink& sink,
                          bool fixedByModel = false) const
    {
        if (index == model.GetCalcVar() || fixedByModel) {
            sink.SetError(ErrorVariableFixed);
            return 0;
        }
        if (!CheckAndStore(model, index, value, sink))
            return 0;
        model.Recalculate();
        return 1;
    }

    void Name(const CKorObj& model, int index, std::string& out) const
    {
        if (const RealVar<Model>* var = Find(index))
            out = var->name;
        else
            model.CKorObj::GetVarName(index, out);
    }

    constexpr int Unit(int index) const
    {
        const RealVar<Model>* var = Find(index);
        return var ? var->unit : UnitNone;
    }

    constexpr int Kind(int index) const
    {
        if (index == VarIndexName || index == VarIndexDescription)
            return VarKindString;
        return Find(index) ? VarKindReal : VarKindInt;
    }

private:
    std::array<RealVar<Model>, Count> m_rows{};
};
