#pragma once

#include "app/CAppSettings.h"
#include "app/CCheckMessageBox.h"
#include "app/SettingsPaths.h"
#include "framework/DialogRunner.h"
#include "options/COptionsPage.h"
#include "options/CQuorrelinOptions.h"
#include "options/OptionsEnvironment.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLineEdit>

#include <map>

// A fresh registry, a scripted dialog runner and a stand-in environment
// whose answers the tests set.
class OptionsFixture : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        DialogRunner::instance().reset();
        DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
        CCheckMessageBox::setSoundPlayer([](CCheckMessageBox::IconKind) {});
        environment.homePage = [] { return QStringLiteral("http://home.example/"); };
        environment.mozillaAvailable = [this] { return mozilla; };
        environment.searchHookState = [this] { return hookState; };
        environment.makeDefaultBrowser = [this] { ++madeDefault; };
        environment.reapply = [this](const QList<int>& categories) { reapplied << categories; };
        settings.SetMozillaCheck([this] { return mozilla; });
    }
    void TearDown() override {
        EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
        DialogRunner::instance().reset();
        CCheckMessageBox::setSoundPlayer({});
    }

    static platform::RegKey settingsKey() {
        return platform::RegKey::create(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kSettingsKeyPath));
    }
    // Every value below the settings key, by "subkey\name".
    static std::map<QString, QByteArray> storedValues() {
        std::map<QString, QByteArray> values;
        collect(settingsKey(), QString(), &values);
        return values;
    }
    // The entries of after that differ from before (or are new), and the
    // names that are gone, as "name=" for a removed value.
    static QStringList changedValues(const std::map<QString, QByteArray>& before,
                                     const std::map<QString, QByteArray>& after) {
        QStringList changed;
        for (const auto& [name, data] : after) {
            auto old = before.find(name);
            if (old == before.end() || old->second != data)
                changed << name;
        }
        for (const auto& [name, data] : before)
            if (!after.count(name))
                changed << name + QLatin1Char('=');
        changed.sort();
        return changed;
    }

    // Answers the next message box with OK.
    static void expectMessage() { DialogRunner::instance().push(ScriptedAnswer::button(IDOK)); }
    // The texts of the message boxes shown so far, oldest first.
    static QStringList shownMessages() {
        QStringList texts;
        for (const DialogRunner::Record& record : DialogRunner::instance().history())
            if (record.title == QStringLiteral("Quorrelin"))
                texts << record.text;
        return texts;
    }

    static void click(COptionsPage* page, int id) {
        auto* button = page->ControlAs<QAbstractButton>(id);
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
    static bool checked(COptionsPage* page, int id) {
        auto* button = page->ControlAs<QAbstractButton>(id);
        return button && button->isChecked();
    }
    static bool enabled(COptionsPage* page, int id) {
        QWidget* control = page->Control(id);
        return control && control->isEnabled();
    }
    static QLineEdit* edit(COptionsPage* page, int id) { return page->ControlAs<QLineEdit>(id); }

    // The page with dialogId, shown (and so initialised) in sheet.
    static COptionsPage* show(CQuorrelinOptions& sheet, int dialogId) {
        for (int i = 0; i < sheet.PageCount(); ++i)
            if (sheet.Page(i)->DialogId() == dialogId) {
                EXPECT_TRUE(sheet.SelectPage(i)) << dialogId;
                return sheet.Page(i);
            }
        ADD_FAILURE() << "no page " << dialogId;
        return nullptr;
    }

    CAppSettings settings;
    OptionsEnvironment environment;
    bool mozilla = false;
    int hookState = -1;
    int madeDefault = 0;
    QList<QList<int>> reapplied;

private:
    static void collect(const platform::RegKey& key, const QString& prefix,
                        std::map<QString, QByteArray>* values) {
        for (const auto& value : key.values())
            (*values)[prefix + value.name] = value.value.data;
        for (const QString& name : key.subkeyNames())
            collect(key.openSubkey(name), prefix + name + QLatin1Char('\\'), values);
    }
};
