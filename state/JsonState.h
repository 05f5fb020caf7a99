// kortools.json: the values of the tools that have no record in kortools.dat (a registry row
// with record 0), kept beside it so that kortools.dat stays as other copies of the program read
// it. The file is one JSON object:
//
//   {"version": 1, "tools": {"atmos": {"frequency": 12000000000.0, "rain_zone": 10, ...}}}
//
// each tool under its command-line name, and in it each variable the user enters under its
// command-line name, with its value in the variable's storage unit (an enumeration as the number
// of its choice). The results are not kept: loading derives them again.
#pragma once

#include <cstdio>
#include <span>
#include <string_view>
#include <vector>

class CKorObj;
struct ToolModels;

// The only format there is. A file of any other version holds nothing this program can read.
inline constexpr int JsonStateVersion = 1;

// The variables of a tool that the file keeps: those the user enters into a model of it as it
// starts. Taken from a new model, so that a variable a tool holds fixed for the moment is kept
// all the same.
std::vector<int> KeptVars(const CKorObj& fresh);

// One tool in the file: its name there, its model, and KeptVars of its class.
template <class Model>
struct JsonTool {
    std::string_view name;
    Model& model;
    std::vector<int> kept;
};

// Writes the file for these tools, every number in full precision, so that it reads back exactly.
void WriteJsonTools(std::FILE* file, std::span<const JsonTool<const CKorObj>> tools);

// Gives each tool the values the file keeps for it, each through the model's own checks, then
// recalculates it. The choices go in before the numbers, as a choice may fill a number in (the
// rain zone its rain rate) that the user then typed over. A value the model refuses (beyond its
// limits, of the wrong type, not a choice of the enumeration), an unknown tool and an unknown
// variable are passed over: a newer program may have written them. False, with no model
// changed, when the file is not JSON, not version 1, or has no object of tools.
bool ReadJsonTools(std::FILE* file, std::span<const JsonTool<CKorObj>> tools);

// The same for the registry's tools that have no record in kortools.dat, in a set of models.
void WriteJsonState(std::FILE* file, const ToolModels& models);
bool ReadJsonState(std::FILE* file, ToolModels& models);
