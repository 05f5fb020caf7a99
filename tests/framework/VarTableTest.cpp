#include "framework/VarTable.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr const char* Shapes[] = {"Round", "Square", "Oval"};

// The smallest model with one variable of each shape a table describes: a real with a fixed
// display unit, a real whose unit the user picks, an enumeration and a plain integer.
class CTableModel : public CKorTableObj<CTableModel> {
public:
    enum : int {
        VarLength = 2,
        VarRate = 3,
        VarShape = 4,
        VarCount = 5,
        VarTotal = 6
    };

    static VarRows<CTableModel> Vars();
    int GetCalcVar() const override { return VarRate; }
    void Recalculate() override { ++m_recalculations; }

    using CKorTableObj::CheckAndStore;
    using CKorTableObj::CheckAndStoreInt;
    using CKorTableObj::SetAndRecalculate;

    double m_length = 1.0;
    double m_rate = 2.0;
    int m_rateDisplay = UnitMHz;
    int m_shape = 1;
    int m_count = 3;
    int m_recalculations = 0;
};

constexpr VarRow<CTableModel> Rows[] = {
    RealVar("Length", UnitKm, UnitM, 0.5, 10.0, &CTableModel::m_length),
    RealVarShownIn("Rate", UnitHz, &CTableModel::m_rateDisplay, FrequencyUnits, 1.0, NoUpperLimit,
                   &CTableModel::m_rate),
    EnumVar("Shape", Shapes, &CTableModel::m_shape),
    IntVar("Count", UnitNone, 1, 9, &CTableModel::m_count),
};
static_assert(CoversEveryVar(Rows));

VarRows<CTableModel> CTableModel::Vars()
{
    return Rows;
}

std::string Name(const CKorObj& model, int index)
{
    std::string out;
    model.GetVarName(index, out);
    return out;
}

std::string Text(const CKorObj& model, int index)
{
    std::string out;
    model.GetValueText(index, out);
    return out;
}

TEST(VarTable, EachRowAnswersForItsVariableAndNothingElseDoes)
{
    const CTableModel model;
    EXPECT_EQ(model.GetVarCount(), CTableModel::VarTotal);
    const struct {
        int index;
        int kind, unit, display;
        const char* name;
        double min, max; // in the storage unit
    } rows[] = {
        {-1, VarKindInt, UnitNone, UnitNone, "Unknown variable", 0.0, 0.0},
        {VarIndexName, VarKindString, UnitNone, UnitNone, "Name", 0.0, 0.0},
        {VarIndexDescription, VarKindString, UnitNone, UnitNone, "Description", 0.0, 0.0},
        {CTableModel::VarLength, VarKindReal, UnitKm, UnitM, "Length", 0.5, 10.0},
        {CTableModel::VarRate, VarKindReal, UnitHz, UnitMHz, "Rate", 1.0, NoUpperLimit},
        {CTableModel::VarShape, VarKindInt, UnitNone, UnitNone, "Shape", 0.0, 2.0},
        {CTableModel::VarCount, VarKindInt, UnitNone, UnitNone, "Count", 1.0, 9.0},
        {CTableModel::VarTotal, VarKindInt, UnitNone, UnitNone, "Unknown variable", 0.0, 0.0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.index);
        EXPECT_EQ(model.GetVarKind(row.index), row.kind);
        EXPECT_EQ(model.GetVarUnit(row.index), row.unit);
        EXPECT_EQ(model.GetDisplayUnit(row.index), row.display);
        EXPECT_EQ(Name(model, row.index), row.name);
        EXPECT_EQ(model.GetRealMin(row.index), row.min);
        EXPECT_EQ(model.GetRealMax(row.index), row.max);
        EXPECT_EQ(model.GetIntMin(row.index), static_cast<int>(row.min));
        EXPECT_EQ(model.GetIntMax(row.index), static_cast<int>(row.max));
    }

    double real = 5.0;
    int integer = 5;
    EXPECT_EQ(model.GetRealVar(CTableModel::VarRate, real), 1);
    EXPECT_EQ(real, 2.0);
    EXPECT_EQ(model.GetIntVar(CTableModel::VarShape, integer), 1);
    EXPECT_EQ(integer, 1);
    // A variable of the other kind answers like an unknown one.
    EXPECT_EQ(model.GetRealVar(CTableModel::VarShape, real), 0);
    EXPECT_EQ(real, 0.0);
    EXPECT_EQ(model.GetIntVar(CTableModel::VarLength, integer), 0);
    EXPECT_EQ(integer, 0);
    EXPECT_EQ(model.GetRealVar(VarIndexDescription, real), 0);
}

TEST(VarTable, OnlyAVariableWithAChoiceOfUnitsSwitchesAndOnlyAmongThem)
{
    CTableModel model;
    EXPECT_EQ(Text(model, CTableModel::VarRate), "2.0000e-06");
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarRate, UnitHz), 1);
    EXPECT_EQ(Text(model, CTableModel::VarRate), "2.0");
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarRate, UnitKm), 0);
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarRate, UnitGHz + 1), 0);
    EXPECT_EQ(model.GetDisplayUnit(CTableModel::VarRate), UnitHz);
    // A fixed display unit stays, even for another unit of its own family.
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarLength, UnitKm), 0);
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarShape, UnitNone), 0);
    EXPECT_EQ(model.SetDisplayUnit(CTableModel::VarTotal, UnitHz), 0);
    EXPECT_EQ(Text(model, CTableModel::VarLength), "1000.0");
}

TEST(VarTable, EnumerationListsItsChoicesAndTakesThemByText)
{
    CTableModel model;
    EXPECT_EQ(model.GetEnumCount(CTableModel::VarShape), 3);
    EXPECT_EQ(model.GetEnumCount(CTableModel::VarCount), 0);
    EXPECT_EQ(model.GetEnumCount(CTableModel::VarLength), 0);
    EXPECT_STREQ(model.GetEnumText(CTableModel::VarShape, 2), "Oval");
    EXPECT_EQ(model.GetEnumText(CTableModel::VarShape, 3), nullptr);
    EXPECT_EQ(model.GetEnumText(CTableModel::VarShape, -1), nullptr);
    EXPECT_EQ(model.GetEnumText(CTableModel::VarCount, 0), nullptr);
    EXPECT_EQ(model.IsEnumVar(CTableModel::VarShape), 1);
    EXPECT_EQ(Text(model, CTableModel::VarShape), "Square");
    EXPECT_EQ(Text(model, CTableModel::VarCount), "3");
}

TEST(VarTable, CheckedWritesStoreOnlyAnAcceptedValueOfTheirOwnKind)
{
    CTableModel model;
    const struct {
        const char* label;
        int index;
        bool integer;
        double value;
        int code;
        const char* explanation;
    } refused[] = {
        {"unknown index", CTableModel::VarTotal, false, 1.0, ErrorVariableFixed, nullptr},
        {"real write to an enumeration", CTableModel::VarShape, false, 1.0, ErrorVariableFixed, nullptr},
        {"integer write to a real", CTableModel::VarLength, true, 1.0, ErrorVariableFixed, nullptr},
        {"real above its limit, quoted in m", CTableModel::VarLength, false, 10.5, ErrorRangeWarning,
         "Variable 'Length' has been set to 10500.0 m which is above the limit of 10000.0 m"},
        {"enumeration past its last choice", CTableModel::VarShape, true, 3, ErrorInputRange, nullptr},
        {"enumeration below its first", CTableModel::VarShape, true, -1, ErrorInputRange, nullptr},
        {"integer below its limit", CTableModel::VarCount, true, 0, ErrorRangeWarning,
         "Variable 'Count' has been set to 0 which is below the limit of 1"},
    };
    for (const auto& row : refused) {
        SCOPED_TRACE(row.label);
        ErrorSink sink;
        const int result = row.integer ? model.CheckAndStoreInt(row.index, static_cast<int>(row.value), sink)
                                       : model.CheckAndStore(row.index, row.value, sink);
        EXPECT_EQ(result, 0);
        EXPECT_EQ(sink.Code, row.code);
        if (row.explanation) {
            EXPECT_EQ(sink.Explanation, row.explanation);
        }
    }
    EXPECT_EQ(model.m_length, 1.0);
    EXPECT_EQ(model.m_shape, 1);
    EXPECT_EQ(model.m_count, 3);

    ErrorSink sink;
    EXPECT_EQ(model.CheckAndStore(CTableModel::VarRate, 1e300, sink), 1);
    EXPECT_EQ(model.CheckAndStoreInt(CTableModel::VarShape, 2, sink), 1);
    EXPECT_EQ(model.CheckAndStoreInt(CTableModel::VarCount, 9, sink), 1);
    EXPECT_EQ(model.m_rate, 1e300);
    EXPECT_EQ(model.m_shape, 2);
    EXPECT_EQ(model.m_count, 9);
    EXPECT_EQ(model.m_recalculations, 0);
}

TEST(VarTable, WriteBesideACalculatedVariable)
{
    CTableModel model;
    ErrorSink calculated;
    EXPECT_EQ(model.SetAndRecalculate(CTableModel::VarRate, 3.0, calculated), 0);
    EXPECT_EQ(calculated.Code, ErrorVariableFixed);
    ErrorSink fixed;
    EXPECT_EQ(model.SetAndRecalculate(CTableModel::VarLength, 3.0, fixed, true), 0);
    EXPECT_EQ(fixed.Code, ErrorVariableFixed);
    ErrorSink below;
    EXPECT_EQ(model.SetAndRecalculate(CTableModel::VarLength, 0.1, below), 0);
    EXPECT_EQ(below.Code, ErrorRangeWarning);
    EXPECT_EQ(model.m_length, 1.0);
    EXPECT_EQ(model.m_rate, 2.0);
    EXPECT_EQ(model.m_recalculations, 0);

    ErrorSink sink;
    EXPECT_EQ(model.SetAndRecalculate(CTableModel::VarLength, 3.0, sink), 1);
    EXPECT_EQ(model.m_length, 3.0);
    EXPECT_EQ(model.m_recalculations, 1);
}

} // namespace
