// --sweep: the same tool worked out for every combination of swept values.
#pragma once

#include "cli/CalcTool.h"

#include <cstdio>
#include <string>
#include <vector>

class OutputBuffer;

// One swept variable and its values: a range START:STOP:STEP, each value START + i*STEP worked
// out afresh (never summed up step by step, so no error creeps in), or a list V1,V2,...
class SweepAxis {
public:
    // A UsageError for a word that is not NAME=START:STOP:STEP or NAME=V1,V2,..., a variable
    // that cannot be entered, a step of 0 or one that leads away from STOP. A range's numbers
    // are read by the model, which may refuse them (a RefusedEntry); a list's values are the
    // model's to refuse at their points.
    SweepAxis(const CalcTool& tool, const std::string& word);

    // A UsageError, quoting the model's refusal, where the variable's own limits refuse every
    // point: not a sweep that would write nothing but refusals.
    void CheckSomePointTaken(const CalcTool& tool) const;

    long Count() const;
    // The entry for value `i`, its text written into `entry` (whose storage is reused).
    void EntryAt(long i, CalcEntry& entry) const;
    const CalcEntry& First() const { return m_entry; }

private:
    CalcEntry m_entry; // index and name; the text of the first value
    std::vector<std::string> m_texts; // a list's values, ready to apply
    bool m_range = false;
    double m_start = 0.0;
    double m_step = 0.0;
    long m_count = 0;
    double m_low = 0.0;  // a range's ends in order
    double m_high = 0.0;
};

struct SweepResult {
    long points = 0;
    long refused = 0;
};

// Works out every point and writes its row: CSV (the header first) or, with `json`, one object
// per line. Each point starts from a copy of the tool's model as it stands (its choices and
// fixed entries applied) and applies the swept values in the order of `axes`, the first axis
// changing slowest. A refused point is left out, and reported on `errors` in one line, the first
// 20 of them; the rest are counted. A failed write stops the sweep at once.
SweepResult RunSweep(const CalcTool& tool, const std::vector<SweepAxis>& axes, bool json, OutputBuffer& out,
                     std::FILE* errors);
