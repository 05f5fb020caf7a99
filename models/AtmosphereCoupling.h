// The link-design tools describe one station, its atmosphere and its carrier from several
// sides: the Atmosphere, Look Angles and Link Margin tools, and the budgets' own copies of them
// that "Atmospheric Losses...", "Look Angles..." and "Link Margin..." open. The launcher keeps
// what they share in step, once at start-up and after each of those dialogs closes, however it
// closed, so whichever the user opens next starts from what was entered last. Frequencies,
// antennas, and what a link locks in its copies stay each one's own.
#pragma once

struct ToolModels;
class CKOTAtmos;
class CKOTLook;

// The Atmosphere tool takes the Look Angles tool's station: the latitude and height always, the
// elevation only where the methods hold (5 to 90 deg), which a satellite low or below the
// horizon is not; the tool then keeps the elevation it had.
void TakeStation(CKOTAtmos& atmosphere, const CKOTLook& look);

void CoupleAtmosphereAtStartUp(ToolModels& models);
void CoupleAfterAtmosphere(ToolModels& models);
void CoupleAfterLook(ToolModels& models);
void CoupleAfterMargin(ToolModels& models);
void CoupleAfterLinkBudget(ToolModels& models);
void CoupleAfterPfdBudget(ToolModels& models);
// The C/(N+I) tool's two links open the same sub-tools: what either changed is shared.
void CoupleAfterCtoNI(ToolModels& models);
