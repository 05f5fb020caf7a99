// kortools.dat as a whole: where each tool's values lie in it, and what a new, short, shifted,
// foreign or garbled file gives the models.
#include "models/ToolRegistry.h"
#include "state/FieldIO.h"
#include "state/ToolState.h"
#include "tests/state/StateLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(SavedState, TheFieldsAndNameRecordsFillTheFileWithoutGapOrOverlap)
{
    std::vector<int> covered(StateFileSize, 0);
    auto cover = [&](long offset, long size) {
        for (long at = offset; at < offset + size && at < StateFileSize; ++at)
            ++covered[at];
    };
    cover(0, 2);
    for (const LayoutRow& row : Layout())
        cover(row.offset, row.Size());
    for (long offset : NameRecordOffsets)
        cover(offset, 2);
    for (long at = 0; at < StateFileSize; ++at)
        EXPECT_EQ(covered[at], 1) << "byte " << at;
}

// A run that changed nothing writes the constructors' values: the version, the decibel tool's
// 10.0 twice and its empty name, then the frequency tool's 10 GHz at offset 20.
TEST(SavedState, ANewSetOfModelsIsWrittenAsTheDefaultFile)
{
    const ToolModels fresh;
    const Bytes file = Save(fresh);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(StateFileSize));
    const Bytes start = {0x01, 0x00,                                     // version 1
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x40, // 10.0
                         0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x40, // 10.0
                         0x00, 0x00,                                     // empty name
                         0x00, 0x00, 0x00, 0x20, 0x5F, 0xA0, 0x02, 0x42}; // 1e10
    EXPECT_EQ(Bytes(file.begin(), file.begin() + static_cast<long>(start.size())), start);
    for (long offset : NameRecordOffsets) {
        SCOPED_TRACE(offset);
        EXPECT_EQ(file[offset], 0);
        EXPECT_EQ(file[offset + 1], 0);
    }
    for (const LayoutRow& row : Layout()) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(FieldBits(file, row), MemberBits(fresh, row));
    }
}

TEST(SavedState, EveryFieldIsWrittenWhereTheFileKeepsIt)
{
    ToolModels models;
    SetDistinctive(models);
    const Bytes file = Save(models);
    ASSERT_EQ(file.size(), static_cast<std::size_t>(StateFileSize));
    EXPECT_EQ(file[0], 1);
    EXPECT_EQ(file[1], 0);
    for (const LayoutRow& row : Layout()) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(FieldBits(file, row), MemberBits(models, row));
    }
}

// Each field takes the bytes at its own place, and what is read is written back unchanged.
TEST(SavedState, EveryFieldIsReadFromWhereTheFileKeepsIt)
{
    const Bytes file = DistinctiveFile();
    ToolModels loaded;
    EXPECT_TRUE(Load(file, loaded));
    ToolModels expected;
    SetDistinctive(expected);
    ExpectSavedFieldsEqual(loaded, expected);
    EXPECT_EQ(Save(loaded), Save(expected));
}

// Each dish size of a link's record is there twice; the second copy is the one that stays.
TEST(SavedState, TheSecondCopyOfALinksDishSizeIsTheOneLoaded)
{
    const struct {
        const char* label;
        long first;
        double (*dish)(const ToolModels&);
    } copies[] = {
        {"link transmit", 528, [](const ToolModels& m) { return m.link.m_txDishSize; }},
        {"link receive", 618, [](const ToolModels& m) { return m.link.m_rxDishSize; }},
        {"C/(N+I) wanted link transmit", 770, [](const ToolModels& m) { return m.ctoni.m_wanted.m_txDishSize; }},
        {"C/(N+I) wanted link receive", 860, [](const ToolModels& m) { return m.ctoni.m_wanted.m_rxDishSize; }},
    };
    for (const auto& copy : copies) {
        SCOPED_TRACE(copy.label);
        Bytes file = Save(ToolModels());
        PutF64(file, copy.first, 0.009);
        PutF64(file, copy.first + 8, 0.003);
        ToolModels loaded;
        Load(file, loaded);
        EXPECT_EQ(copy.dish(loaded), 0.003);
    }
}

// However short the file, every field it holds whole is taken, and the field the end cuts
// through keeps its value, as does everything after it. Under two bytes there is no version,
// and nothing is taken.
TEST(SavedState, AShortFileSetsExactlyTheFieldsItHoldsWhole)
{
    const Bytes full = DistinctiveFile();
    for (long length = 0; length <= StateFileSize; ++length) {
        SCOPED_TRACE("cut to " + std::to_string(length) + " bytes");
        ToolModels loaded;
        EXPECT_EQ(Load(Bytes(full.begin(), full.begin() + length), loaded), length >= 2);
        ToolModels expected;
        for (std::size_t index = 0; index < Layout().size(); ++index) {
            const LayoutRow& row = Layout()[index];
            if (length >= 2 && row.offset + row.Size() <= length)
                SetDistinctive(expected, index);
        }
        ExpectSavedFieldsEqual(loaded, expected);
        if (HasFailure())
            break;
    }
}

// The example of a file cut to 204 bytes, inside the peak gain of the gain tool's record.
TEST(SavedState, AFileCutInsideTheGainToolsPeakGainSetsItsDishAndEfficiencyOnly)
{
    Bytes file = DistinctiveFile();
    const double dish = F64At(file, 184);
    const double efficiency = F64At(file, 192);
    const double noiseBandwidth = F64At(file, 174);
    file.resize(204);
    ToolModels loaded;
    Load(file, loaded);
    const ToolModels fresh;
    EXPECT_EQ(loaded.temp.m_bandwidth, noiseBandwidth);
    EXPECT_EQ(loaded.gain.m_dishSize, dish);
    EXPECT_EQ(loaded.gain.m_efficiency, efficiency);
    EXPECT_EQ(loaded.gain.m_peakGain, fresh.gain.m_peakGain);
    EXPECT_EQ(loaded.gain.m_frequency, fresh.gain.m_frequency);
    EXPECT_EQ(loaded.gain.m_frequencyDisplay, fresh.gain.m_frequencyDisplay);
    EXPECT_EQ(loaded.off.m_offAxisAngle, fresh.off.m_offAxisAngle);
    EXPECT_EQ(loaded.link.m_cn, fresh.link.m_cn);
    EXPECT_EQ(loaded.ctoni.m_wanted.m_cn, fresh.ctoni.m_wanted.m_cn);
}

// A name record is a count and that many bytes, which are skipped: whatever its length, the
// records after it are read from where they now lie.
TEST(SavedState, ANameRecordOfAnyLengthShiftsTheRecordsAfterIt)
{
    const struct {
        const char* label;
        long nameOffset;
        int length;
    } names[] = {
        {"decibel tool, 3 bytes", 18, 3},
        {"decibel tool, 200 bytes", 18, 200},
        {"PFD tool, 80 bytes", 478, 80},
        {"link budget, 81 bytes", 684, 81},
        {"C/(N+I) tool's own, before its wanted link, 200 bytes", 720, 200},
    };
    ToolModels expected;
    SetDistinctive(expected);
    for (const auto& name : names) {
        SCOPED_TRACE(name.label);
        Bytes file = DistinctiveFile();
        file[name.nameOffset] = static_cast<unsigned char>(name.length & 0xFF);
        file[name.nameOffset + 1] = static_cast<unsigned char>(name.length >> 8);
        // Bytes that would read as a version and as fields if they were not skipped.
        file.insert(file.begin() + name.nameOffset + 2, static_cast<std::size_t>(name.length), 0x01);
        ToolModels loaded;
        EXPECT_TRUE(Load(file, loaded));
        ExpectSavedFieldsEqual(loaded, expected);
    }
}

// A file of another version, or a version 1 written most significant byte first, changes
// nothing.
TEST(SavedState, AFileOfAnotherVersionLoadsNothing)
{
    const struct {
        const char* label;
        unsigned char first, second;
    } versions[] = {{"0", 0x00, 0x00}, {"2", 0x02, 0x00}, {"1 big-endian", 0x00, 0x01}, {"65535", 0xFF, 0xFF}};
    const ToolModels fresh;
    for (const auto& version : versions) {
        SCOPED_TRACE(version.label);
        Bytes file = DistinctiveFile();
        file[0] = version.first;
        file[1] = version.second;
        ToolModels loaded;
        EXPECT_FALSE(Load(file, loaded));
        ExpectSavedFieldsEqual(loaded, fresh);
        EXPECT_EQ(Save(loaded), Save(fresh));
    }
}

} // namespace
