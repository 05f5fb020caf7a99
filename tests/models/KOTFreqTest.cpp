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

// The wavelength has no upper limit. One near the largest double, typed in km, is shown in the
// smaller units as the number it is, though that number is past what a double holds.
TEST(KOTFreq, TheLongestWavelengthIsShownInEveryUnit)
{
    CKOTFreq model;
    ErrorSink sink;
    ASSERT_EQ(model.SetDisplayUnit(CKOTFreq::VarWavelength, UnitKm), 1);
    ASSERT_EQ(model.SetValueFromText(CKOTFreq::VarWavelength, "1.7e308", sink), 1);
    const struct {
        int unit;
        const char* shown;
    } rows[] = {
        {UnitKm, "1.7000e+308"}, {UnitM, "1.7000e+311"}, {UnitCm, "1.7000e+313"}, {UnitMm, "1.7000e+314"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.shown);
        ASSERT_EQ(model.SetDisplayUnit(CKOTFreq::VarWavelength, row.unit), 1);
        EXPECT_EQ(ValueText(model, CKOTFreq::VarWavelength), row.shown);
    }
    EXPECT_EQ(model.m_wavelength, 1.7e308);
}

// A unit typed after the number is the same quantity as its value typed in the display unit.
TEST(KOTFreq, ValuesTypedWithAUnit)
{
    CKOTFreq model;
    ErrorSink sink;
    ASSERT_EQ(model.SetValueFromText(CKOTFreq::VarFrequency, "500 MHz", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_frequency, 5e8);
    EXPECT_EQ(ValueText(model, CKOTFreq::VarFrequency), "0.5");
    ExpectPrinted(model.m_wavelength, 5.996e-4, 6); // 2.998e5 km/s over 5e8 Hz

    ASSERT_EQ(model.SetValueFromText(CKOTFreq::VarWavelength, "3 cm", sink), 1);
    EXPECT_DOUBLE_EQ(model.m_wavelength, 3e-5);
    EXPECT_EQ(ValueText(model, CKOTFreq::VarWavelength), "0.03");
    ExpectPrinted(model.m_frequency, 9.99333e9, 6);

    const std::vector<double> before = RealValues(model);
    EXPECT_EQ(model.SetValueFromText(CKOTFreq::VarWavelength, "3 GHz", sink), 0);
    EXPECT_EQ(sink.Explanation, "Variable 'Wavelength' cannot take a value in GHz");
    EXPECT_EQ(RealValues(model), before);
}

} // namespace
