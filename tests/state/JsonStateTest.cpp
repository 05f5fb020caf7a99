// kortools.json for the Atmosphere tool: every entry comes back exactly, what cannot be used
// leaves the starting values, and kortools.dat stays as other copies of the program read it.
#include "StateFileScratch.h"
#include "models/ToolRegistry.h"
#include "state/ToolState.h"

#include <nlohmann/json.hpp>

#include <memory>
#include <utility>

namespace {

using A = CKOTAtmos;
using Entries = std::vector<std::pair<int, double>>;

std::string Written(const A& model)
{
    std::FILE* file = std::tmpfile();
    WriteJsonTools(file, std::vector<JsonTool<const CKorObj>>{{"atmos", model, KeptVars(A())}});
    std::string text(static_cast<std::size_t>(std::ftell(file)), '\0');
    std::rewind(file);
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

bool Read(const std::string& text, A& model)
{
    std::FILE* file = std::tmpfile();
    std::fwrite(text.data(), 1, text.size(), file);
    std::rewind(file);
    const bool read = ReadJsonTools(file, std::vector<JsonTool<CKorObj>>{{"atmos", model, KeptVars(A())}});
    std::fclose(file);
    return read;
}

void Enter(A& model, const Entries& entries)
{
    for (const auto& [index, value] : entries) {
        ErrorSink refused;
        ASSERT_TRUE(model.GetVarKind(index) == VarKindInt ? model.SetIntVar(index, static_cast<int>(value), refused)
                                                          : model.SetRealVar(index, value, refused));
    }
}

// Every real entry at an odd place inside its limits, so that a digit lost on the way shows; the
// rain rate among them, typed, names no zone.
void TypeEveryEntry(A& model)
{
    for (int index = A::VarFrequency; index < A::FirstDerivedVar; ++index) {
        const double min = model.GetRealMin(index);
        if (index != A::VarRainZone)
            Enter(model, {{index, min + (model.GetRealMax(index) - min) * (0.1 + 0.04 * index + 1e-7 / 3)}});
    }
}

TEST(JsonState, EveryEntryComesBackExactlyInItsStorageUnit)
{
    const struct {
        const char* label;
        Entries entries;
        int zone;
    } rows[] = {
        {"every entry typed, the rain rate too", {}, 0},
        {"then a rain zone chosen, which fills its rate in", {{A::VarRainZone, 5}}, 5},
        {"then the starting zone's own rate typed", {{A::VarRainRate, A().m_rainRate}}, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        A saved;
        TypeEveryEntry(saved);
        Enter(saved, row.entries);
        ASSERT_EQ(saved.m_rainZone, row.zone);
        const std::string text = Written(saved);
        const nlohmann::json kept = nlohmann::json::parse(text)["tools"]["atmos"];
        EXPECT_EQ(kept.size(), static_cast<std::size_t>(A::FirstDerivedVar - A::VarFrequency)) << "no results";
        EXPECT_EQ(kept["frequency"], saved.m_frequency) << "in hertz";
        EXPECT_EQ(kept["rain_zone"], row.zone);
        A loaded;
        EXPECT_TRUE(Read(text, loaded));
        EXPECT_TRUE(loaded.SameEntries(saved)) << text;
    }
}

std::string Tools(const std::string& tools)
{
    return R"({"version": 1, "tools": {)" + tools + "}}";
}

// What the file holds that this program cannot use leaves the starting values; what it can use
// beside that, it takes.
TEST(JsonState, WhatCannotBeUsedLeavesTheStartingValues)
{
    const struct {
        const char* label;
        std::string text;
        bool usable;
        Entries taken;
    } rows[] = {
        {"cut short", R"({"version": 1, "tools": {"atmos": {"elevation": 40)", false, {}},
        {"a number beyond any double", Tools(R"("atmos": {"elevation": 1e999})"), false, {}},
        {"version 2", R"({"version": 2, "tools": {"atmos": {"elevation": 40}}})", false, {}},
        {"tools that are no object", R"({"version": 1, "tools": [{"atmos": {"elevation": 40}}]})", false, {}},
        {"over a mebibyte", Tools(R"("atmos": {"elevation": 40})") + std::string(1 << 20, ' '), false, {}},
        {"unknown tools and entries beside a known one",
         Tools(R"("later": {"elevation": 50}, "atmos": {"later": 3, "elevation": 40})"), true, {{A::VarElevation, 40}}},
        {"an entry beyond its limits beside one within",
         Tools(R"("atmos": {"elevation": 1, "station_latitude": -30.5})"), true, {{A::VarLatitude, -30.5}}},
        {"entries of the wrong type", Tools(R"("atmos": {"elevation": "40", "station_height": true, "nwet": null})"),
         true, {}},
        {"a result, which is derived", Tools(R"("atmos": {"total_attenuation": 99})"), true, {}},
        {"a zone past the last", Tools(R"("atmos": {"rain_zone": 16})"), true, {}},
        {"a zone that is not whole", Tools(R"("atmos": {"rain_zone": 2.5})"), true, {}},
        {"a zone that would wrap round to 5", Tools(R"("atmos": {"rain_zone": 4294967301})"), true, {}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        A loaded;
        EXPECT_EQ(Read(row.text, loaded), row.usable);
        A expected;
        Enter(expected, row.taken);
        EXPECT_TRUE(loaded.SameEntries(expected));
    }
}

// The Atmosphere tool's values travel in kortools.json alone: kortools.dat is the same 928 bytes
// whatever they are, and either file is values to start from.
TEST_F(StateFileTest, TheAtmosphereToolsValuesLeaveKortoolsDatAsItWas)
{
    ASSERT_TRUE(SaveToolState(*std::make_unique<ToolModels>()));
    const std::string records = ReadFile(StatePath());
    ASSERT_EQ(records.size(), static_cast<std::size_t>(StateFileSize));
    const auto saved = std::make_unique<ToolModels>();
    TypeEveryEntry(saved->atmos);
    ASSERT_TRUE(SaveToolState(*saved));
    EXPECT_EQ(ReadFile(StatePath()), records);
    for (const char* removed : {"", "kortools.dat", "kortools.json"}) {
        SCOPED_TRACE(std::string("removed ") + removed);
        if (*removed)
            std::filesystem::remove(Dir + "/" + removed);
        const auto loaded = std::make_unique<ToolModels>();
        EXPECT_EQ(LoadToolState(*loaded), std::string(removed) != "kortools.json");
        EXPECT_EQ(loaded->atmos.SameEntries(saved->atmos), std::string(removed) != "kortools.json");
    }
}

} // namespace
