#include "models/KOTDB.h"
#include "tests/models/ModelChecks.h"

#include <gtest/gtest.h>

namespace {

TEST(KOTDB, EitherValueDerivesTheOther)
{
    const struct {
        const char* label;
        int index;
        double value, absolute, db;
    } rows[] = {
        {"absolute 1", CKOTDB::VarAbsolute, 1, 1, 0},
        {"absolute 1000", CKOTDB::VarAbsolute, 1000, 1000, 30},
        {"absolute at its limit", CKOTDB::VarAbsolute, 1e-300, 1e-300, -3000},
        {"dB at the upper limit", CKOTDB::VarDb, 3000, 1e300, 3000},
        {"dB at the lower limit", CKOTDB::VarDb, -3000, 1e-300, -3000},
        {"dB -30", CKOTDB::VarDb, -30, 0.001, -30},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.label);
        CKOTDB model;
        ErrorSink sink;
        ASSERT_EQ(model.SetRealVar(row.index, row.value, sink), 1);
        EXPECT_DOUBLE_EQ(model.m_absolute, row.absolute);
        EXPECT_DOUBLE_EQ(model.m_db, row.db);
    }
}

} // namespace
