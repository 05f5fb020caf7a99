// The Atmosphere tool and the Atmospheric Losses tools of the link and PFD budgets describe one
// station and its atmosphere: the launcher keeps those entries in step, once at start-up and
// after each of the three dialogs closes, however it closed, so whichever the user opens next
// starts from what was entered last. Frequencies and antennas stay each one's own.
#pragma once

struct ToolModels;

void CoupleAtmosphereAtStartUp(ToolModels& models);
void CoupleAfterAtmosphere(ToolModels& models);
void CoupleAfterLinkBudget(ToolModels& models);
void CoupleAfterPfdBudget(ToolModels& models);
