#include "platform/os/OfflineState.h"
#include "platform/os/SystemErrorText.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(OfflineState, SharedFlagInTheRegistryDefaultsToOnline) {
    testenv::useFreshRegistry();
    EXPECT_FALSE(IsOffline());
    ASSERT_TRUE(SetOffline(true));
    EXPECT_TRUE(IsOffline());

    // Another process sees the same flag through its own connection.
    Registry other(Registry::instance().path());
    EXPECT_TRUE(IsOffline(&other));
    ASSERT_TRUE(SetOffline(false, &other));
    EXPECT_FALSE(IsOffline());

    // A value of the wrong type counts as online.
    RegKey::create(RegRoot::CurrentUser,
                   "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings")
        .setString("GlobalUserOffline", "1");
    EXPECT_FALSE(IsOffline());
}

TEST(SystemErrorText, KnownAndUnknownCodes) {
    EXPECT_EQ(SystemErrorText(ERROR_FILE_NOT_FOUND), "The system cannot find the file specified.");
    EXPECT_EQ(SystemErrorText(ERROR_ACCESS_DENIED), "Access is denied.");
    EXPECT_EQ(SystemErrorText(123456), "Unknown error.");
}
