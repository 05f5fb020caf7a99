// Every tool's values in kortools.dat: the version, then one record per tool in the order the
// tool registry numbers them. Written for any set of models with the registry's members, so the
// launcher's own set stays with the launcher.
#pragma once

#include "models/ToolRegistry.h"
#include "state/FieldIO.h"
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

// The values the last run kept, when there are any: the launcher's models take them before any
// tool can open. Nothing is reported: without a usable file the tools start from their own
// values.
template <class Models>
void LoadToolState(Models& models)
{
    LoadStateFile([&models](std::FILE* file) { ReadToolStates(file, models); });
}

// Keeps the models' values for the next run, replacing what the last one kept; what failed, if
// anything, is for the caller to report.
template <class Models>
StateSaveResult SaveToolState(const Models& models)
{
    return SaveStateFile([&models](std::FILE* file) { WriteToolStates(file, models); });
}
