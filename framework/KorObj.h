// The variable-object interface that every tool model implements.
//
// A model is a fixed, numbered list of variables (0 Name, 1 Description, the tool's own from 2)
// read and written only through the virtual operations below. The base supplies a default for
// every operation, so the base object itself is a valid model with exactly two variables.
// The declaration order of the virtual operations is fixed and must not change: other programs
// of the same family rely on each operation keeping its place.
#pragma once

#include "framework/ErrorSink.h"
#include "platform/Object.h"

#include <cstdio>
#include <string>

class CDib;

// Variable kinds.
inline constexpr int VarKindInt = 0;
inline constexpr int VarKindReal = 1;
inline constexpr int VarKindString = 2;
inline constexpr int VarKindObject = 3;

// Access levels: how a dialog presents a variable.
inline constexpr int VarEditable = 0;
inline constexpr int VarReadOnly = 1;
inline constexpr int VarDisabled = 2;
inline constexpr int VarUnavailable = 3;
inline constexpr int VarInvalid = 4;

// The two variables every object has.
inline constexpr int VarIndexName = 0;
inline constexpr int VarIndexDescription = 1;

class CKorObj : public CObject {
public:
    CKorObj() = default;
    ~CKorObj() override = default;

    // Declared in their fixed slot order, so not grouped by job here. The defaults live by job:
    // KorObj.cpp the variable queries and setters, KorObjText.cpp reading typed text
    // (FindEnumChoice, ParseBool, SetValueFromText), KorObjFormat.cpp value text (GetValueText,
    // Format*Var and the fixed texts), KorObjLimits.cpp the Check* operations, KorObjNames.cpp
    // CompareNames and MakeUniqueName.
    virtual CDib* GetBitmap() const;                                               // 3
    virtual int GetState() const;                                                  // 4
    virtual int NextState();                                                       // 5
    virtual int SetState(int n);                                                   // 6
    virtual int GetStateCount() const;                                             // 7
    virtual void GetTypeName(std::string& out) const;                              // 8
    virtual void GetName(std::string& out) const;                                  // 9
    virtual void GetDescription(std::string& out) const;                           // 10
    virtual int SetName(const std::string& name);                                  // 11
    virtual int SetDescription(const std::string& description);                    // 12
    virtual int CompareNames(const CKorObj& other) const;                          // 13
    virtual int GetObjectVar(int index, CKorObj*& out) const;                      // 14
    virtual int GetStringVar(int index, std::string& out) const;                   // 15
    virtual int GetRealVar(int index, double& out) const;                          // 16
    virtual int GetIntVar(int index, int& out) const;                              // 17
    virtual int GetIntMin(int index) const;                                        // 18
    virtual int GetIntMax(int index) const;                                        // 19
    virtual double GetRealMin(int index) const;                                    // 20
    virtual double GetRealMax(int index) const;                                    // 21
    virtual int SetObjectVar(int index, CKorObj* value, ErrorSink& sink);          // 22
    virtual int SetStringVar(int index, const std::string& value, ErrorSink& sink); // 23
    virtual int SetRealVar(int index, const double& value, ErrorSink& sink);       // 24
    virtual int SetIntVar(int index, const int& value, ErrorSink& sink);           // 25
    virtual int GetEnumCount(int index) const;                                     // 26
    virtual const char* GetEnumValueText(int index) const;                         // 27
    virtual const char* GetEnumText(int index, int choice) const;                  // 28
    virtual int IsBoolVar(int index) const;                                        // 29
    virtual int IsEnumVar(int index) const;                                        // 30
    virtual int FindEnumChoice(int index, const std::string& value) const;         // 31
    virtual int ParseBool(const std::string& value) const;                         // 32
    virtual int GetValueAsReal(int index, double& out) const;                      // 33
    virtual int ReservedIndexQuery(int index) const;                               // 34
    virtual int GetValueText(int index, std::string& out) const;                   // 35
    virtual int FormatIntVar(int index, std::string& out) const;                   // 36
    virtual int FormatRealVar(int index, std::string& out) const;                  // 37
    virtual int SetValueFromText(int index, const std::string& value, ErrorSink& sink); // 38
    virtual void GetVarName(int index, std::string& out) const;                    // 39
    virtual int ReservedPairQuery(int index, int value) const;                     // 40
    virtual int GetVarUnit(int index) const;                                       // 41
    virtual int GetDisplayUnit(int index) const;                                   // 42
    virtual int SetDisplayUnit(int index, int unit);                               // 43
    virtual void GetUnitLabel(int index, std::string& out) const;                  // 44
    virtual int GetVarKind(int index) const;                                       // 45
    virtual int GetVarCount() const;                                               // 46
    virtual int GetVarAccess(int index) const;                                     // 47
    virtual int GetCalcVar() const;                                                // 48
    virtual int SetCalcVar(int index);                                             // 49
    virtual void Recalculate();                                                    // 50
    virtual void UnknownVarText(std::string& out) const;                           // 51
    virtual void NotAvailableText(std::string& out) const;                         // 52
    virtual void StartOrCurrentText(int flag, std::string& out) const;             // 53
    virtual void StartText(std::string& out) const;                                // 54
    virtual void BoolText(std::string& out, int flag) const;                       // 55
    virtual void CurrentText(std::string& out) const;                              // 56
    virtual void NoSignalText(std::string& out) const;                             // 57
    virtual int CheckIntLimits(int value, int min, int max, ErrorSink& sink, int index) const;            // 58
    virtual int CheckRealLimits(double value, double min, double max, ErrorSink& sink, int index) const;  // 59
    virtual int CheckRealLimitsInclusive(double value, double min, double max, ErrorSink& sink,
                                         int index) const;                                                // 60
    virtual int CheckIntMin(int value, int min, ErrorSink& sink, int index) const;                        // 61
    virtual int CheckRealMin(double value, double min, ErrorSink& sink, int index) const;                 // 62
    virtual int CheckIntMax(int value, int max, ErrorSink& sink, int index) const;                        // 63
    virtual int CheckRealMax(double value, double max, ErrorSink& sink, int index) const;                 // 64
    virtual int CheckIntAtLeastOne(int value, ErrorSink& sink, int index) const;                          // 65
    virtual int CheckRealPositive(double value, ErrorSink& sink, int index) const;                        // 66
    virtual int MakeUniqueName();                                                  // 67
    virtual int IsValidVar(int index) const;                                       // 68

    // Reading typed text (KorObjText.cpp).
    // A typed text as SetValueFromText reads it for real variable `index`, its number given in
    // the variable's display unit: a unit of the variable's family at its end is converted, one of
    // another family is refused. 0, with the refusal in `sink`, where the text gives no value.
    int ReadValueInDisplayUnit(int index, const std::string& value, double& out, ErrorSink& sink) const;

    // Names (KorObjNames.cpp).
    // The name record that closes every model's record in the saved state file: a
    // little-endian 16-bit byte count and that many bytes. Reading discards the bytes;
    // writing always writes an empty record. Both return 1 on success, 0 on a short file.
    int ReadNameRecord(std::FILE* file);
    int WriteNameRecord(std::FILE* file) const;

protected:
    CKorObj(const CKorObj&) = default;
    CKorObj& operator=(const CKorObj&) = default;

private:
    // The variable's name as the warnings quote it.
    std::string VarName(int index) const;
    // Reading typed text (KorObjText.cpp).
    int ReadTypedReal(int index, const std::string& value, double& number, int& unit, ErrorSink& sink) const;
    // Limit checks (KorObjLimits.cpp).
    void ReportIntViolation(int value, int limit, ErrorSink& sink, int index) const;
    void ReportRealViolation(double value, double limit, ErrorSink& sink, int index) const;
};
