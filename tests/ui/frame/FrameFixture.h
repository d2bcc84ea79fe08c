#pragma once

#include "StandInHost.h"

#include "app/SettingsPaths.h"
#include "frame/CMainFrame.h"
#include "framework/DialogRunner.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/ShellFolders.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QToolBar>

#include <memory>

// A fresh registry, a Favorites folder of its own and no scripted answers
// left over; frames are made on a stand-in host with the exit question off.
class FrameFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        DialogRunner::instance().reset();
        favorites = testenv::freshDir(QStringLiteral("Favorites"));
        QDir(favorites).mkpath(QStringLiteral("Links"));
        platform::RegKey::create(platform::RegRoot::CurrentUser,
                                 QString::fromUtf16(kShellFoldersKeyPath))
            .setString(QString::fromUtf16(kFavoritesFolderValue), favorites);
        host = std::make_unique<StandInHost>();
        host->settings.ConfirmExitApp = 0;
    }
    void TearDown() override {
        EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
        DialogRunner::instance().reset();
    }

    // A created frame; hosts are kept so a second frame can follow the
    // first in one test.
    std::unique_ptr<CMainFrame> makeFrame() {
        auto frame = std::make_unique<CMainFrame>(*host);
        EXPECT_TRUE(frame->Create());
        return frame;
    }

    static platform::RegKey settingsKey() {
        return platform::RegKey::create(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kSettingsKeyPath));
    }

    void writeLink(const QString& name, const QByteArray& content) const {
        QFile file(QDir(favorites).filePath(QStringLiteral("Links/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    QString favorites;
    std::unique_ptr<StandInHost> host;
};
