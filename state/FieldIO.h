// The fields of kortools.dat, one value at a time: little-endian, packed, assembled byte by
// byte, so that every machine writes and reads the same bytes whatever its own byte order.
//
// A read takes a field only when all of its bytes are there. A file that ends inside a field
// leaves that field, and every field after it, with the value it had; once a stream has ended
// or failed, nothing more is read from it, so a stream that would deliver bytes again after
// its end cannot shift them into later fields.
#pragma once

#include <cstdio>

// The field types of the file: an IEEE 754 double, a 32-bit two's complement integer and a
// 16-bit unsigned integer.
enum class FieldType { F64, I32, U16 };

bool ReadF64(std::FILE* file, double& value);
bool ReadI32(std::FILE* file, int& value);
// A value of 0 to 65535.
bool ReadU16(std::FILE* file, int& value);

// Writes leave the stream's result to whoever closes it: a file that could not be written
// whole is no worse than a short one.
void WriteF64(std::FILE* file, double value);
void WriteI32(std::FILE* file, int value);
// The low 16 bits of value: every int the models keep in such a field fits.
void WriteU16(std::FILE* file, int value);

// Whether a stream may still give bytes: it has neither ended nor failed.
bool Readable(std::FILE* file);
