#include "system/ComLibrary.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QByteArray called() {
    return qgetenv("QUORRELIN_TEST_COM_CALLED");
}

class ComLibraryTest : public ::testing::Test {
protected:
    void SetUp() override { unsetenv("QUORRELIN_TEST_COM_CALLED"); }
};

} // namespace

TEST_F(ComLibraryTest, TrueExactlyWhenTheExportRunsAndAnswersZero) {
    EXPECT_TRUE(RegisterComLibrary(TEST_COM_OK_LIBRARY, true));
    EXPECT_EQ(called(), "register");
    EXPECT_TRUE(RegisterComLibrary(TEST_COM_OK_LIBRARY, false));
    EXPECT_EQ(called(), "unregister");

    // The export runs but answers an error code.
    unsetenv("QUORRELIN_TEST_COM_CALLED");
    EXPECT_FALSE(RegisterComLibrary(TEST_COM_FAILING_LIBRARY, true));
    EXPECT_EQ(called(), "register");
}

TEST_F(ComLibraryTest, AMissingLibraryOrExportIsFalse) {
    EXPECT_FALSE(RegisterComLibrary(TEST_COM_FAILING_LIBRARY, false)); // no such export
    EXPECT_FALSE(RegisterComLibrary(QStringLiteral("/nonexistent/libnothing.so"), true));
    EXPECT_FALSE(RegisterComLibrary(QString(), true));
    EXPECT_TRUE(called().isNull());
}
