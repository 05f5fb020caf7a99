// All fourteen tools' values in kortools.dat: the version, then one record per tool in a fixed
// order. Written for any set of models with the launcher's member names (db, freq, path,
// spread, fov1, fov2, temp, gain, off, gtot, t3db, pfd, link, ctoni), so the order is stated
// here once while the launcher's own set stays with the launcher.
#pragma once

#include "state/FieldIO.h"
#include "state/StateFile.h"

#include <cstdio>

// The only layout there is. A file of any other version holds nothing this program can read.
inline constexpr int StateFileVersion = 1;

// A file as this program writes it: the version and fourteen records with empty names.
inline constexpr long StateFileSize = 928;

// Visits the models in the order of their records.
template <class Models, class Visit>
void ForEachToolRecord(Models& models, Visit visit)
{
    visit(models.db);
    visit(models.freq);
    visit(models.path);
    visit(models.spread);
    visit(models.fov1);
    visit(models.fov2);
    visit(models.temp);
    visit(models.gain);
    visit(models.off);
    visit(models.gtot);
    visit(models.t3db);
    visit(models.pfd);
    visit(models.link);
    visit(models.ctoni);
}

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

// Keeps the models' values for the next run, replacing what the last one kept.
template <class Models>
void SaveToolState(const Models& models)
{
    SaveStateFile([&models](std::FILE* file) { WriteToolStates(file, models); });
}
