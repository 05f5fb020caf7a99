// Running the staged kortools-calc as a script would: its arguments, its environment, and what
// it wrote on each stream with its exit status.
#pragma once

#include <nlohmann/json.hpp>

#include <string>
#include <vector>

struct CalcRun {
    int status = -1; // the exit status, or -1 when it did not exit normally
    std::string out;
    std::string err;
};

// The installed program, in the staging prefix.
std::string CalcProgram();

// kortools-calc with `args`; `environment` adds or replaces variables ("TMPDIR=/x").
CalcRun RunCalc(const std::vector<std::string>& args, const std::vector<std::string>& environment = {});
// A command line for /bin/sh in which "kortools-calc" at the start stands for the staged program.
CalcRun RunCalcLine(const std::string& line, const std::vector<std::string>& environment = {});

// Any program, by path, as RunCalc runs the staged one.
CalcRun RunProgram(const std::vector<std::string>& argv, const std::vector<std::string>& environment = {});

// The lines of a text, without their '\n'.
std::vector<std::string> Lines(const std::string& text);

// Of --json output: variable `name`'s member `member`; a failed expectation and null when the
// variable is missing.
const nlohmann::json& JsonVar(const nlohmann::json& object, const std::string& name, const char* member = "value");
