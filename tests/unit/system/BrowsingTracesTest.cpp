#include "system/BrowsingTraces.h"

#include "app/CAppSettings.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

namespace {

struct Calls {
    QStringList done;
    BrowsingTraceCleaners cleaners() {
        return {[this] { done << "visited"; }, [this] { done << "history"; },
                [this] { done << "typed"; }, [this] { done << "cache"; }};
    }
};

// Settings with both lists filled, saved to a fresh registry.
CAppSettings savedSettings() {
    testenv::useFreshRegistry();
    CAppSettings settings;
    settings.Load();
    settings.SetClosedWindowsCount(5);
    settings.AddClosedWindow("Closed", "https://closed.example/");
    settings.AutoClose = QStringList{"*ads*", "*pop*"};
    settings.ClearOption = 0x4;
    EXPECT_TRUE(settings.Save());
    return settings;
}

} // namespace

TEST(BrowsingTracesTest, OnlyHistoryClearsVisitsAndLeavesTheSavedSettingsAlone) {
    CAppSettings settings = savedSettings();
    Calls calls;
    EXPECT_FALSE(ClearBrowsingTraces(clearbits::History, settings, calls.cleaners()));
    EXPECT_EQ(calls.done, QStringList({"visited", "history"}));
    EXPECT_EQ(settings.ClearOption, 0x1);
    EXPECT_EQ(settings.AutoClose.size(), 2);
    EXPECT_EQ(settings.ClosedWindows().front().isEmpty(), false);
    CAppSettings stored;
    stored.Load();
    EXPECT_EQ(stored.ClearOption, 0x4);
    EXPECT_EQ(stored.AutoClose.size(), 2);
}

TEST(BrowsingTracesTest, EveryBitClearsInOrderAndTheListsAreSaved) {
    CAppSettings settings = savedSettings();
    Calls calls;
    const unsigned all = clearbits::History | clearbits::TypedUrls | clearbits::TemporaryFiles |
                         clearbits::ClosedWindows | clearbits::AutoCloseList;
    EXPECT_TRUE(ClearBrowsingTraces(all, settings, calls.cleaners()));
    EXPECT_EQ(calls.done, QStringList({"visited", "history", "typed", "cache"}));
    CAppSettings stored;
    stored.Load();
    EXPECT_EQ(stored.ClearOption, static_cast<int>(all));
    EXPECT_TRUE(stored.AutoClose.isEmpty());
    EXPECT_EQ(stored.ClosedWindowsCount(), 5);
    for (const QString& entry : stored.ClosedWindows())
        EXPECT_TRUE(entry.isEmpty());
}

TEST(BrowsingTracesTest, ClosedWindowsBitWithTheListSwitchedOffSavesNothing) {
    CAppSettings settings = savedSettings();
    settings.SetClosedWindowsCount(0);
    Calls calls;
    EXPECT_FALSE(ClearBrowsingTraces(clearbits::ClosedWindows | clearbits::TypedUrls, settings,
                                     calls.cleaners()));
    EXPECT_EQ(calls.done, QStringList({"typed"}));
    CAppSettings stored;
    stored.Load();
    EXPECT_EQ(stored.ClearOption, 0x4);
}
