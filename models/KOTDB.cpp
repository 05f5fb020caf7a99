#include "models/KOTDB.h"

#include "framework/RealVarTable.h"
#include "framework/Units.h"

namespace {

constexpr RealVarTable<CKOTDB> Vars({
    {"absolute value", UnitNone, 1e-300, NoUpperLimit, &CKOTDB::m_absolute},
    {"dB value", UnitDb, -3000.0, 3000.0, &CKOTDB::m_db},
});

} // namespace

CKOTDB::~CKOTDB() = default;

void CKOTDB::GetTypeName(std::string& out) const
{
    out = "DB Tools";
}

int CKOTDB::GetRealVar(int index, double& out) const
{
    return Vars.Get(*this, index, out);
}

int CKOTDB::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!Vars.CheckAndStore(*this, index, value, sink))
        return 0;
    if (index == VarAbsolute)
        m_db = ToDb(m_absolute);
    else
        m_absolute = FromDb(m_db);
    return 1;
}

void CKOTDB::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

int CKOTDB::GetVarUnit(int index) const
{
    return Vars.Unit(index);
}

int CKOTDB::GetVarKind(int index) const
{
    return Vars.Kind(index);
}

int CKOTDB::GetVarCount() const
{
    return VarTotal;
}
