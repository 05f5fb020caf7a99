#include "platform/Object.h"

const CRuntimeClass* CObject::GetRuntimeClass() const
{
    static const CRuntimeClass objectClass{"CObject"};
    return &objectClass;
}

void CObject::Serialize(CArchive&)
{
}
