// Root of the object hierarchy: a runtime-class record, a virtual destructor and archiving.
#pragma once

class CArchive;

struct CRuntimeClass {
    const char* m_lpszClassName;
};

class CObject {
public:
    virtual const CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject() = default;
    // Nothing in this program archives objects; the slot is kept so that derived classes
    // keep their operations in the same places.
    virtual void Serialize(CArchive& archive);

protected:
    CObject() = default;
    CObject(const CObject&) = default;
    CObject& operator=(const CObject&) = default;
};
