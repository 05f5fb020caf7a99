#include "models/KOTSpread.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTSpread, EitherQuantityDerivesTheOther)
{
    const struct {
        const char* label;
        int index;
        double value, loss, distance;
        int digits;
    } rows[] = {
        {"loss 100 dB", CKOTSpread::VarLoss, 100, 100, 28.2095, 6},
        {"loss at the upper limit", CKOTSpread::VarLoss, 3000, 3000, 2.82e146, 3},
        {"distance back to geostationary", CKOTSpread::VarDistance, 35786.05, 162.06637, 35786.05, 8},
        // One metre: 10log(4pi).
        {"distance at the lower limit", CKOTSpread::VarDistance, 0.001, 10.99209864, 0.001, 10},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTSpread model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(CKOTSpread::VarLoss, 50, sink), 1);
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        ExpectPrinted(model.m_loss, row.loss, row.digits);
        ExpectPrinted(model.m_distance, row.distance, row.digits);
    }
}

} // namespace
