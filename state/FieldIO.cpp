#include "state/FieldIO.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <limits>

static_assert(std::numeric_limits<double>::is_iec559 && sizeof(double) == 8, "f64 fields are IEEE 754 doubles");
static_assert(sizeof(int) >= 4, "i32 fields are kept in an int");

namespace {

// Reads `size` bytes into an unsigned value, least significant byte first.
bool ReadLittleEndian(std::FILE* file, std::size_t size, std::uint64_t& value)
{
    unsigned char bytes[8];
    if (!Readable(file) || std::fread(bytes, 1, size, file) != size)
        return false;
    value = 0;
    for (std::size_t i = size; i-- > 0;)
        value = value << 8 | bytes[i];
    return true;
}

void WriteLittleEndian(std::FILE* file, std::size_t size, std::uint64_t value)
{
    unsigned char bytes[8];
    for (std::size_t i = 0; i < size; ++i) {
        bytes[i] = static_cast<unsigned char>(value & 0xFF);
        value >>= 8;
    }
    std::fwrite(bytes, 1, size, file);
}

} // namespace

bool Readable(std::FILE* file)
{
    return !std::feof(file) && !std::ferror(file);
}

bool ReadF64(std::FILE* file, double& value)
{
    std::uint64_t bits;
    if (!ReadLittleEndian(file, 8, bits))
        return false;
    // Bit for bit, not-a-number payloads included: a value comes back exactly as it was kept.
    value = std::bit_cast<double>(bits);
    return true;
}

bool ReadI32(std::FILE* file, int& value)
{
    std::uint64_t bits;
    if (!ReadLittleEndian(file, 4, bits))
        return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(bits));
    return true;
}

bool ReadU16(std::FILE* file, int& value)
{
    std::uint64_t bits;
    if (!ReadLittleEndian(file, 2, bits))
        return false;
    value = static_cast<int>(bits);
    return true;
}

void WriteF64(std::FILE* file, double value)
{
    WriteLittleEndian(file, 8, std::bit_cast<std::uint64_t>(value));
}

void WriteI32(std::FILE* file, int value)
{
    WriteLittleEndian(file, 4, static_cast<std::uint32_t>(value));
}

void WriteU16(std::FILE* file, int value)
{
    WriteLittleEndian(file, 2, static_cast<std::uint16_t>(value));
}
