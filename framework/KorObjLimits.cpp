// The limit checks a model's setters run, and the warnings that name the variable and limit.
#include "framework/KorObj.h"

#include "framework/Units.h"

void CKorObj::ReportIntViolation(int value, int limit, ErrorSink& sink, int index) const
{
    if (IsEnumVar(index) || IsBoolVar(index)) {
        sink.SetError(ErrorInputRange);
        return;
    }
    std::string label;
    GetUnitLabel(index, label);
    sink.IntRangeWarning(value, limit, VarName(index), label);
}

void CKorObj::ReportRealViolation(double value, double limit, ErrorSink& sink, int index) const
{
    // Quoted in the unit the user sees and types, not the one the model stores, and labelled
    // as the dialog labels the value: "0.5" alone could be GHz or Hz.
    const int unit = GetVarUnit(index);
    const int display = GetDisplayUnit(index);
    std::string label;
    GetUnitLabel(index, label);
    sink.RealRangeWarning(ConvertUnit(value, unit, display), ConvertUnit(limit, unit, display), VarName(index), label);
}

int CKorObj::CheckIntLimits(int value, int min, int max, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportIntViolation(value, min, sink, index);
        return 0;
    }
    if (value > max && max > min) {
        ReportIntViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealLimits(double value, double min, double max, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    if (value > max && max > min) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealLimitsInclusive(double value, double min, double max, ErrorSink& sink, int index) const
{
    if (value <= min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    if (value >= max && max > min) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntMin(int value, int min, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportIntViolation(value, min, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealMin(double value, double min, ErrorSink& sink, int index) const
{
    if (value < min) {
        ReportRealViolation(value, min, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntMax(int value, int max, ErrorSink& sink, int index) const
{
    if (value > max) {
        ReportIntViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckRealMax(double value, double max, ErrorSink& sink, int index) const
{
    if (value > max) {
        ReportRealViolation(value, max, sink, index);
        return 0;
    }
    return 1;
}

int CKorObj::CheckIntAtLeastOne(int value, ErrorSink& sink, int index) const
{
    return CheckIntLimits(value, 1, -1, sink, index);
}

int CKorObj::CheckRealPositive(double value, ErrorSink& sink, int index) const
{
    if (value <= 0) {
        ReportRealViolation(value, 0.0, sink, index);
        return 0;
    }
    return 1;
}
