// The peak-gain, beamwidth, off-axis and G/T tools describe one antenna from four sides. The
// launcher keeps their shared quantities (peak gain, efficiency, beamwidth) in step: once at
// start-up and after each of their dialogs closes, however it closed. The command-line program
// couples at its start the same way, so each tool starts there from what the launcher shows.
//
// Each sequence is three fixed steps on the process-wide models; each step reads its arguments
// when it runs, so a later step sees what an earlier one wrote. The order is part of the result:
// after the beamwidth tool, for instance, the G/T and off-axis tools receive the peak gain the
// gain tool had before the last step gives it the beamwidth tool's.
#pragma once

struct ToolModels;

void CoupleAtStartUp(ToolModels& models);
void CoupleAfterPeakGain(ToolModels& models);
void CoupleAfterOffAxis(ToolModels& models);
void CoupleAfterGtoT(ToolModels& models);
void CoupleAfterBeamwidth(ToolModels& models);
