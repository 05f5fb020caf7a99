#include "framework/RealVarTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The smallest model over a table: two real variables, the second one calculated.
class CTableModel : public CKorObj {
public:
    enum : int {
        VarLength = 2,
        VarRate = 3,
        VarTotal = 4
    };

    void GetVarName(int index, std::string& out) const override;
    int GetVarCount() const override { return VarTotal; }
    int GetCalcVar() const override { return VarRate; }
    void Recalculate() override { ++m_recalculations; }

    double m_length = 1.0;
    double m_rate = 2.0;
    int m_recalculations = 0;
};

constexpr RealVarTable<CTableModel> Vars({
    {"Length", UnitKm, 0.5, 10.0, &CTableModel::m_length},
    {"Rate", UnitHz, 1.0, NoUpperLimit, &CTableModel::m_rate},
});

void CTableModel::GetVarName(int index, std::string& out) const
{
    Vars.Name(*this, index, out);
}

std::string Name(const CTableModel& model, int index)
{
    std::string out;
    model.GetVarName(index, out);
    return out;
}

TEST(RealVarTable, RowsStandFromIndexTwo)
{
    const CTableModel model;
    EXPECT_EQ(Vars.Kind(-1), VarKindInt);
    EXPECT_EQ(Vars.Kind(VarIndexName), VarKindString);
    EXPECT_EQ(Vars.Kind(VarIndexDescription), VarKindString);
    EXPECT_EQ(Vars.Kind(CTableModel::VarLength), VarKindReal);
    EXPECT_EQ(Vars.Kind(CTableModel::VarRate), VarKindReal);
    EXPECT_EQ(Vars.Kind(CTableModel::VarTotal), VarKindInt);
    EXPECT_EQ(Vars.Unit(CTableModel::VarRate), UnitHz);
    EXPECT_EQ(Vars.Unit(CTableModel::VarTotal), UnitNone);
    EXPECT_EQ(Name(model, VarIndexName), "Name");
    EXPECT_EQ(Name(model, CTableModel::VarLength), "Length");
    EXPECT_EQ(Name(model, CTableModel::VarTotal), "Unknown variable");

    double out = 5.0;
    EXPECT_EQ(Vars.Get(model, CTableModel::VarRate, out), 1);
    EXPECT_EQ(out, 2.0);
    EXPECT_EQ(Vars.Get(model, VarIndexDescription, out), 0);
    EXPECT_EQ(out, 0.0);
}

TEST(RealVarTable, CheckedWriteStoresOnlyAnAcceptedValue)
{
    CTableModel model;
    ErrorSink unknown;
    EXPECT_EQ(Vars.CheckAndStore(model, CTableModel::VarTotal, 1.0, unknown), 0);
    EXPECT_EQ(unknown.Code, ErrorVariableFixed);

    ErrorSink above;
    EXPECT_EQ(Vars.CheckAndStore(model, CTableModel::VarLength, 10.5, above), 0);
    EXPECT_EQ(above.Code, ErrorRangeWarning);
    EXPECT_EQ(above.Explanation, "Variable 'Length' has been set to 10.5 which is above the limit of 10.0");
    EXPECT_EQ(model.m_length, 1.0);

    ErrorSink sink;
    EXPECT_EQ(Vars.CheckAndStore(model, CTableModel::VarRate, 1e300, sink), 1);
    EXPECT_EQ(model.m_rate, 1e300);
    EXPECT_EQ(model.m_recalculations, 0);
}

TEST(RealVarTable, WriteBesideACalculatedVariable)
{
    CTableModel model;
    ErrorSink calculated;
    EXPECT_EQ(Vars.SetAndRecalculate(model, CTableModel::VarRate, 3.0, calculated), 0);
    EXPECT_EQ(calculated.Code, ErrorVariableFixed);
    ErrorSink fixed;
    EXPECT_EQ(Vars.SetAndRecalculate(model, CTableModel::VarLength, 3.0, fixed, true), 0);
    EXPECT_EQ(fixed.Code, ErrorVariableFixed);
    ErrorSink below;
    EXPECT_EQ(Vars.SetAndRecalculate(model, CTableModel::VarLength, 0.1, below), 0);
    EXPECT_EQ(below.Code, ErrorRangeWarning);
    EXPECT_EQ(model.m_length, 1.0);
    EXPECT_EQ(model.m_rate, 2.0);
    EXPECT_EQ(model.m_recalculations, 0);

    ErrorSink sink;
    EXPECT_EQ(Vars.SetAndRecalculate(model, CTableModel::VarLength, 3.0, sink), 1);
    EXPECT_EQ(model.m_length, 3.0);
    EXPECT_EQ(model.m_recalculations, 1);
}

} // namespace
