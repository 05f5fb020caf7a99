#include "framework/Units.h"
#include "models/KOTDB.h"
#include "models/KOTFreq.h"
#include "models/KOTGtoT.h"
#include "models/KOTPath.h"
#include "models/KOTSpread.h"
#include "models/KOTTemp.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

struct VarRow {
    const char* name;
    int unit, display;
    double value;
    int digits;
    const char* text;
};

// Names, units and starting values of every tool: the user reads the names in every warning,
// and the other tools and the saved state address the variables by number.
TEST(ToolModels, NewModels)
{
    const CKOTDB db;
    const CKOTFreq freq;
    const CKOTSpread spread;
    const CKOTGtoT gtot;
    const CKOTPath path;
    const CKOTTemp temp;
    const struct {
        const CKorObj* model;
        const char* title;
        std::vector<VarRow> vars;
    } models[] = {
        {&db, "DB Tools", {{"absolute value", UnitNone, UnitNone, 10, 17, "10.0"}, {"dB value", UnitDb, UnitDb, 10, 17, "10.0"}}},
        {&freq, "Frequency Tools",
         {{"Frequency", UnitHz, UnitGHz, 1e10, 17, "10.0"}, {"Wavelength", UnitKm, UnitM, 2.998e-5, 4, "0.03"}}},
        {&spread, "Spread Loss Tool",
         {{"Spread loss", UnitDb, UnitDb, 162.06637, 8, "162.0664"}, {"Distance", UnitKm, UnitKm, 35786.05, 17, "35786.05"}}},
        {&gtot, "G/T tool",
         {{"Peak gain", UnitDbi, UnitDbi, 30, 17, "30.0"}, {"Temperature", UnitK, UnitK, 300, 17, "300.0"},
          {"G/T", UnitDbPerK, UnitDbPerK, 5.22879, 6, "5.2288"}}},
        {&path, "Path Tool",
         {{"Free space loss", UnitDb, UnitDb, 205.10546, 8, "205.1055"}, {"Distance", UnitKm, UnitKm, 35786.05, 17, "35786.05"},
          {"Frequency", UnitHz, UnitGHz, 1.2e10, 17, "12.0"}}},
        {&temp, "Temp Tool",
         {{"Noise", UnitDbw, UnitDbw, -203.82879, 8, "-203.8288"}, {"Temperature", UnitK, UnitK, 300, 17, "300.0"},
          {"Bandwidth", UnitHz, UnitHz, 1, 17, "1.0"}}},
    };
    for (const auto& row : models) {
        SCOPED_TRACE(row.title);
        const CKorObj& model = *row.model;
        EXPECT_EQ(ValueText(model, 0), row.title);
        EXPECT_EQ(ValueText(model, 1), row.title);
        const int count = 2 + static_cast<int>(row.vars.size());
        EXPECT_EQ(model.GetVarCount(), count);
        EXPECT_EQ(model.GetVarKind(1), VarKindString);
        for (int index = 2; index < count; ++index) {
            const VarRow& var = row.vars[index - 2];
            SCOPED_TRACE(var.name);
            std::string name;
            model.GetVarName(index, name);
            EXPECT_EQ(name, var.name);
            EXPECT_EQ(model.GetVarKind(index), VarKindReal);
            EXPECT_EQ(model.GetVarUnit(index), var.unit);
            EXPECT_EQ(model.GetDisplayUnit(index), var.display);
            double value = 0;
            EXPECT_EQ(model.GetRealVar(index, value), 1);
            ExpectPrinted(value, var.value, var.digits);
            EXPECT_EQ(ValueText(model, index), var.text);
        }
        std::string name;
        model.GetVarName(count, name);
        EXPECT_EQ(name, "Unknown variable");
        EXPECT_EQ(model.GetVarKind(count), VarKindInt);
        EXPECT_EQ(ValueText(model, count), "Not available");
    }
}

// A refused write reports why and leaves every value of the model as it was.
TEST(ToolModels, RefusedWritesChangeNothing)
{
    CKOTDB db;
    CKOTFreq freq;
    CKOTSpread spread;
    CKOTGtoT gtot;
    CKOTPath path;
    CKOTPath pathForLink(1000, 4e9, UnitMHz);
    CKOTTemp temp;
    CKOTTemp tempNoise;
    ASSERT_EQ(tempNoise.SetCalcVar(CKOTTemp::VarNoise), 1);
    const struct {
        CKorObj* model;
        const char* label;
        int index;
        double value;
        int code;
        const char* explanation;
    } rows[] = {
        {&db, "absolute 0", 2, 0, -1, "Variable 'absolute value' has been set to 0.0 which is below the limit of 1.0000e-300"},
        {&db, "dB above", 3, 3000.5, -1, "Variable 'dB value' has been set to 3000.5 dB which is above the limit of 3000.0 dB"},
        {&db, "no such variable", 4, 1, 4, nullptr},
        {&freq, "frequency", 2, 0.00009, -1, "Variable 'Frequency' has been set to 9.0000e-14 GHz which is below the limit of 1.0000e-13 GHz"},
        {&freq, "wavelength", 3, 5e-11, -1, "Variable 'Wavelength' has been set to 5.0000e-08 m which is below the limit of 1.0000e-07 m"},
        {&freq, "name", 0, 1, 4, nullptr},
        {&spread, "distance below", 3, 0.0005, -1, nullptr},
        {&spread, "loss above", 2, 3000.1, -1, nullptr},
        {&gtot, "gain above", 2, 300.5, -1, nullptr},
        {&gtot, "temperature below", 3, 0.0009, -1, nullptr},
        {&gtot, "G/T below", 4, -3001, -1, nullptr},
        {&gtot, "no such variable", 5, 1, 4, nullptr},
        {&path, "the calculated loss", 2, 100, 4, nullptr},
        {&path, "frequency above, in GHz", 4, 3.1e15, -1,
         "Variable 'Frequency' has been set to 3.1000e+06 GHz which is above the limit of 3.0000e+06 GHz"},
        {&path, "distance below", 3, 0.0009, -1, nullptr},
        {&pathForLink, "the link's frequency", 4, 5e9, 4, nullptr},
        {&temp, "noise above", 2, -100, -1, "Variable 'Noise' has been set to -100.0 dBW which is above the limit of -138.6 dBW"},
        {&temp, "noise below", 2, -258.7, -1, nullptr},
        {&temp, "the calculated bandwidth", 4, 10, 4, nullptr},
        {&tempNoise, "bandwidth below", 4, 0.00009, -1, nullptr},
        {&tempNoise, "the calculated noise", 2, -150, 4, nullptr},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const std::vector<double> before = RealValues(*row.model);
        ErrorSink sink;
        EXPECT_EQ(row.model->SetRealVar(row.index, row.value, sink), 0);
        EXPECT_EQ(sink.Code, row.code);
        if (row.explanation) {
            EXPECT_EQ(sink.Explanation, row.explanation);
        }
        EXPECT_EQ(RealValues(*row.model), before);
    }
}

} // namespace
