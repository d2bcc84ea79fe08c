#include "StandInHost.h"

#include "frame/CMainFrame.h"

#include <gtest/gtest.h>

TEST(MainFrame, Creates) {
    StandInHost host;
    CMainFrame frame(host);
    EXPECT_TRUE(frame.Create());
}
