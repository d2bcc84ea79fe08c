#pragma once

#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

// Every case starts from an empty registry of its own.
class FreshRegistryTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    static platform::RegKey key(const char16_t* path) {
        return platform::RegKey::create(platform::RegRoot::CurrentUser, QString::fromUtf16(path));
    }
    static platform::RegKey key(const QString& path) {
        return platform::RegKey::create(platform::RegRoot::CurrentUser, path);
    }
    static platform::RegKey settingsKey() { return key(kSettingsKeyPath); }

    // Value names of a key in creation order.
    static QStringList valueNames(const platform::RegKey& k) {
        QStringList names;
        for (const auto& v : k.values())
            names.append(v.name);
        return names;
    }
};
