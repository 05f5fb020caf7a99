// Every tool's values in kortools.dat: the version, then one record per tool in the order the
// tool registry numbers them; and, for the tools without a record, in kortools.json beside it
// (state/JsonState.h). Written for any set of models with the registry's members, so the
// launcher's own set stays with the launcher.
#pragma once

#include "models/ToolRegistry.h"
#include "state/FieldIO.h"
#include "state/JsonState.h"
#include "state/StateFile.h"

#include <cstdio>

// The only layout there is. A file of any other version holds nothing this program can read.
inline constexpr int StateFileVersion = 1;

// A file as this program writes it: the version and fourteen records with empty names.
inline constexpr long StateFileSize = 928;

// Reads the records into the models, each field as it stands in the file, as far as the file
// goes. False, with no model changed, when the version is missing or is not this program's.
template <class Models>
bool ReadToolStates(std::FILE* file, Models& models)
{
    int version = 0;
    if (!ReadU16(file, version) || version != StateFileVersion)
        return false;
    ForEachToolRecord(models, [file](auto& model) { model.ReadState(file); });
    return true;
}

template <class Models>
void WriteToolStates(std::FILE* file, const Models& models)
{
    WriteU16(file, StateFileVersion);
    ForEachToolRecord(models, [file](const auto& model) { model.WriteState(file); });
}

// The values the last run kept, when there are any, from both files: the launcher's models take
// them before any tool can open. Nothing is reported: without a usable file the tools it keeps
// start from their own values. True when either file held values this program reads.
template <class Models>
bool LoadToolState(Models& models)
{
    bool records = false;
    bool json = false;
    LoadStateFile([&](std::FILE* file) { records = ReadToolStates(file, models); });
    LoadStateFile(StateFile::Json, [&](std::FILE* file) { json = ReadJsonState(file, models); });
    return records || json;
}

// Keeps the models' values for the next run in both files, replacing what the last one kept;
// what failed, if anything, is for the caller to report. Each file is saved whatever became of
// the other, so that as much as possible is kept; when both fail, they almost always fail for
// the same reason (the directory), and kortools.dat's failure is the one returned.
template <class Models>
StateSaveResult SaveToolState(const Models& models)
{
    StateSaveResult records = SaveStateFile([&](std::FILE* file) { WriteToolStates(file, models); });
    StateSaveResult json = SaveStateFile(StateFile::Json, [&](std::FILE* file) { WriteJsonState(file, models); });
    return records ? json : records;
}
