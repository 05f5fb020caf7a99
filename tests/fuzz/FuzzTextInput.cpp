// Feeds arbitrary text to every reader of typed values and checks that nothing crashes and
// that no non-finite value ever reaches a model.
#include "framework/Units.h"
#include "tests/support/TestKorObj.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void RequireFiniteReals(const CTestKorObj& object)
{
    for (int index = 0; index < object.GetVarCount(); ++index) {
        double value;
        if (object.GetVarKind(index) == VarKindReal && object.GetRealVar(index, value))
            Require(std::isfinite(value));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte picks the variable and the distance display unit; the rest is the text.
    const int index = data[0] % (CTestKorObj::VarTotal + 1);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);

    CTestKorObj object;
    object.SetDisplayUnit(CTestKorObj::VarDistance, 1 + (data[0] >> 4) % 4);
    ErrorSink sink;
    const int accepted = object.SetValueFromText(index, text, sink);
    RequireFiniteReals(object);
    Require(sink.Explanation.size() <= MaxExplanationLength);
    if (!accepted)
        Require(!sink.Problem.empty());
    for (int shown = 0; shown <= CTestKorObj::VarTotal; ++shown) {
        std::string out;
        object.GetValueText(shown, out);
    }

    if (const std::optional<double> radians = ParseAngleDms(text))
        Require(std::isfinite(*radians));
    if (const std::optional<double> real = ReadReal(text))
        Require(std::isfinite(*real));
    if (const std::optional<RealAndUnit> read = ReadRealAndUnit(text))
        Require(std::isfinite(read->number));
    std::string angle;
    FormatAngleDms(static_cast<double>(size) * (data[0] - 128), UnitLongitudeDms, angle);
    return 0;
}
