// One model per tool, all fourteen. The launcher keeps one set for the whole run, so each tool
// opens on the values it was left with; the command-line program starts from a set of its own.
#pragma once

#include "models/KOTCtoNI.h"
#include "models/KOTDB.h"
#include "models/KOTFOV1.h"
#include "models/KOTFOV2.h"
#include "models/KOTFreq.h"
#include "models/KOTGain.h"
#include "models/KOTGtoT.h"
#include "models/KOTLink.h"
#include "models/KOTOff.h"
#include "models/KOTPFD.h"
#include "models/KOTPath.h"
#include "models/KOTSpread.h"
#include "models/KOTT3dB.h"
#include "models/KOTTemp.h"

// Members are constructed in declaration order and destroyed in reverse. The order is also that
// of the models' records in kortools.dat. The path-loss, PFD and link models take their starting
// frequency from the program defaults, which therefore exist before any instance of this struct.
struct ToolModels {
    CKOTDB db;         // 1
    CKOTFreq freq;     // 2
    CKOTPath path;     // 3
    CKOTSpread spread; // 4
    CKOTFOV1 fov1;     // 5
    CKOTFOV2 fov2;     // 6
    CKOTTemp temp;     // 7
    CKOTGain gain;     // 8
    CKOTOff off;       // 9
    CKOTGtoT gtot;     // 10
    CKOTT3dB t3db;     // 11
    CKOTPFD pfd;       // 12
    CKOTLink link;     // 13
    CKOTCtoNI ctoni;   // 14
};
