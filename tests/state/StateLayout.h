// The layout of kortools.dat written out field by field, file offset by file offset, as the
// tests expect to find it, independently of the tables the program reads and writes it with;
// and small helpers over files held in memory.
#pragma once

#include "models/ToolRegistry.h"
#include "state/FieldIO.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// One field of the file: where it lies and which model value it holds.
struct LayoutRow {
    std::string label; // record: field
    long offset;       // in a file with empty name records
    FieldType type;
    std::function<double*(ToolModels&)> real;  // for an f64
    std::function<int*(ToolModels&)> integer;  // for an i32 or a u16

    long Size() const { return type == FieldType::F64 ? 8 : type == FieldType::I32 ? 4 : 2; }
};

// Every field in file order. The two copies of each dish size of a link are two rows with the
// same member.
const std::vector<LayoutRow>& Layout();

// Where the name records lie in such a file.
inline constexpr long NameRecordOffsets[] = {18, 44, 74, 92, 118, 156, 182, 220, 256, 282, 308, 478, 684, 720, 926};

// A value for the row at `index` that no other row and no constructor gives: a real number,
// a negative 32-bit integer, or a 16-bit one above 32767.
double DistinctiveReal(std::size_t index);
int DistinctiveInt(std::size_t index, FieldType type);

// Gives the row's member its distinctive value; without an index, every row in file order, so
// that a dish size ends with the value of its second copy.
void SetDistinctive(ToolModels& models, std::size_t index);
void SetDistinctive(ToolModels& models);

// A version-1 file with empty names in which every field, each copy of a dish size included,
// holds its row's distinctive value. Written here byte by byte, not by the program.
Bytes DistinctiveFile();

// The program's own writing and reading of a whole file, through a temporary stream.
Bytes Save(const ToolModels& models);
bool Load(const Bytes& file, ToolModels& models);

// The field's bytes in the file, and its member's value, as a number that compares bit for bit.
std::uint64_t FieldBits(const Bytes& file, const LayoutRow& row);
std::uint64_t MemberBits(const ToolModels& models, const LayoutRow& row);

double F64At(const Bytes& file, long offset);
void PutF64(Bytes& file, long offset, double value);
void PutInt(Bytes& file, long offset, FieldType type, int value);

// Every saved field of `actual` against `expected`, bit for bit, named by its row.
void ExpectSavedFieldsEqual(const ToolModels& actual, const ToolModels& expected);
