// The fields of kortools.dat byte by byte: least significant byte first on every machine, and
// a field that the file does not hold whole is not taken.
#include "state/FieldIO.h"

#include <gtest/gtest.h>

#include <bit>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<unsigned char>;

// What the writes put into a stream.
template <class Write>
Bytes Written(Write write)
{
    std::FILE* file = std::tmpfile();
    EXPECT_NE(file, nullptr);
    if (!file)
        return {};
    write(file);
    Bytes bytes(static_cast<std::size_t>(std::ftell(file)));
    std::rewind(file);
    const std::size_t read = std::fread(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
    bytes.resize(read);
    return bytes;
}

// A stream that holds exactly `bytes`.
std::FILE* Holding(const Bytes& bytes)
{
    std::FILE* file = std::tmpfile();
    if (file) {
        // An empty vector may have no storage at all, and fwrite must not see a null pointer.
        if (!bytes.empty())
            std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::rewind(file);
    }
    return file;
}

TEST(FieldIO, DoublesAreWrittenLittleEndianAndReadBackBitForBit)
{
    const double quietNanWithPayload = std::bit_cast<double>(std::uint64_t{0x7FF8000000012345});
    const struct {
        const char* label;
        double value;
        Bytes bytes;
    } rows[] = {
        {"10", 10.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x24, 0x40}},
        {"1e10", 1e10, {0x00, 0x00, 0x00, 0x20, 0x5F, 0xA0, 0x02, 0x42}},
        {"-0", -0.0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x80}},
        {"-infinity", -std::numeric_limits<double>::infinity(), {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0xFF}},
        {"not a number with a payload", quietNanWithPayload, {0x45, 0x23, 0x01, 0x00, 0x00, 0x00, 0xF8, 0x7F}},
        {"smallest subnormal", std::numeric_limits<double>::denorm_min(), {0x01, 0, 0, 0, 0, 0, 0, 0}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        EXPECT_EQ(Written([&](std::FILE* f) { WriteF64(f, row.value); }), row.bytes);
        std::FILE* file = Holding(row.bytes);
        ASSERT_NE(file, nullptr);
        double read = 1.5;
        EXPECT_TRUE(ReadF64(file, read));
        EXPECT_EQ(std::bit_cast<std::uint64_t>(read), std::bit_cast<std::uint64_t>(row.value));
        std::fclose(file);
    }
}

TEST(FieldIO, IntegersAreWrittenLittleEndianAndReadWithTheirSign)
{
    const struct {
        const char* label;
        FieldType type;
        int value;
        Bytes bytes;
        int readBack;
    } rows[] = {
        {"i32 12", FieldType::I32, 12, {0x0C, 0x00, 0x00, 0x00}, 12},
        {"i32 -2", FieldType::I32, -2, {0xFE, 0xFF, 0xFF, 0xFF}, -2},
        {"i32 smallest", FieldType::I32, INT_MIN, {0x00, 0x00, 0x00, 0x80}, INT_MIN},
        {"i32 0x12345678", FieldType::I32, 0x12345678, {0x78, 0x56, 0x34, 0x12}, 0x12345678},
        {"u16 1", FieldType::U16, 1, {0x01, 0x00}, 1},
        {"u16 above 32767 stays positive", FieldType::U16, 40000, {0x40, 0x9C}, 40000},
        {"u16 keeps the low 16 bits", FieldType::U16, 0x10005, {0x05, 0x00}, 5},
        {"u16 of -1 reads as 65535", FieldType::U16, -1, {0xFF, 0xFF}, 65535},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        const bool i32 = row.type == FieldType::I32;
        EXPECT_EQ(Written([&](std::FILE* f) { i32 ? WriteI32(f, row.value) : WriteU16(f, row.value); }), row.bytes);
        std::FILE* file = Holding(row.bytes);
        ASSERT_NE(file, nullptr);
        int read = 77;
        EXPECT_TRUE(i32 ? ReadI32(file, read) : ReadU16(file, read));
        EXPECT_EQ(read, row.readBack);
        std::fclose(file);
    }
}

// A file that ends inside a field: that field keeps its value, and the reads after it find
// nothing either.
TEST(FieldIO, AFieldCutByTheEndKeepsItsValue)
{
    const struct {
        const char* label;
        FieldType type;
        std::size_t size;
    } types[] = {{"f64", FieldType::F64, 8}, {"i32", FieldType::I32, 4}, {"u16", FieldType::U16, 2}};
    for (const auto& type : types) {
        for (std::size_t length = 0; length < type.size; ++length) {
            SCOPED_TRACE(std::string(type.label) + " cut after " + std::to_string(length) + " bytes");
            std::FILE* file = Holding(Bytes(length, 0x11));
            ASSERT_NE(file, nullptr);
            double real = 2.5;
            int integer = 9;
            switch (type.type) {
            case FieldType::F64: EXPECT_FALSE(ReadF64(file, real)); break;
            case FieldType::I32: EXPECT_FALSE(ReadI32(file, integer)); break;
            case FieldType::U16: EXPECT_FALSE(ReadU16(file, integer)); break;
            }
            EXPECT_FALSE(ReadU16(file, integer));
            EXPECT_EQ(real, 2.5);
            EXPECT_EQ(integer, 9);
            std::fclose(file);
        }
    }
}

} // namespace
