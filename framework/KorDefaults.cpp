#include "framework/KorDefaults.h"

const CKorDefaults& KorDefaults()
{
    static const CKorDefaults defaults;
    return defaults;
}
