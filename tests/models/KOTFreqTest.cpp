#include "framework/Units.h"
#include "models/KOTFreq.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTFreq, EitherQuantityDerivesTheOther)
{
    CKOTFreq model;
    ErrorSink sink;
    // Typed in metres, the display unit, and stored in km.
    ASSERT_EQ(model.SetValueFromText(CKOTFreq::VarWavelength, "0.03", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_wavelength, 3e-5);
    ExpectPrinted(model.m_frequency, 9.99333e9, 6);

    ASSERT_EQ(model.SetRealVar(CKOTFreq::VarFrequency, 2.998e9, sink), 1);
    EXPECT_DOUBLE_EQ(model.m_wavelength, 1e-4);
}

TEST(KOTFreq, DisplayUnitsChangeOnlyTheText)
{
    CKOTFreq model;
    const struct {
        int index, unit, accepted;
    } rows[] = {
        {CKOTFreq::VarFrequency, UnitW, 0}, {CKOTFreq::VarWavelength, UnitHz, 0}, {4, UnitKm, 0},
        {CKOTFreq::VarFrequency, UnitMHz, 1}, {CKOTFreq::VarWavelength, UnitMm, 1},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << "variable " << row.index << " unit " << row.unit);
        const int before = model.GetDisplayUnit(row.index);
        EXPECT_EQ(model.SetDisplayUnit(row.index, row.unit), row.accepted);
        EXPECT_EQ(model.GetDisplayUnit(row.index), row.accepted ? row.unit : before);
    }
    EXPECT_EQ(ValueText(model, CKOTFreq::VarFrequency), "10000.0");
    EXPECT_EQ(ValueText(model, CKOTFreq::VarWavelength), "29.98");
    EXPECT_EQ(model.m_frequency, 1e10);
}

} // namespace
