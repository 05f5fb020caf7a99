#include "models/KOTDB.h"

namespace {

constexpr VarRow<CKOTDB> Rows[] = {
    RealVar("absolute value", UnitNone, 1e-300, NoUpperLimit, &CKOTDB::m_absolute),
    RealVar("dB value", UnitDb, -3000.0, 3000.0, &CKOTDB::m_db),
};
static_assert(CoversEveryVar(Rows));

} // namespace

VarRows<CKOTDB> CKOTDB::Vars()
{
    return Rows;
}

CKOTDB::~CKOTDB() = default;

void CKOTDB::GetTypeName(std::string& out) const
{
    out = "DB Tools";
}

int CKOTDB::SetRealVar(int index, const double& value, ErrorSink& sink)
{
    if (!CheckAndStore(index, value, sink))
        return 0;
    if (index == VarAbsolute)
        m_db = ToDb(m_absolute);
    else
        m_absolute = FromDb(m_db);
    return 1;
}
