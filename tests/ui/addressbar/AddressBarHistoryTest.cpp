#include "AddressBarFixture.h"

#include "addressbar/CAddressBarCommands.h"
#include "framework/CommandIds.h"
#include "framework/CommandRouter.h"
#include "platform/registry/RegKey.h"

#include <QClipboard>

namespace {

class AddressBarHistoryTest : public AddressBarFixture {
protected:
    static platform::RegKey typedUrls() {
        return platform::RegKey::open(platform::RegRoot::CurrentUser,
                                      QString::fromUtf16(kTypedUrlsKeyPath));
    }
    static std::optional<QString> typedUrl(int n) {
        return typedUrls().readString(QStringLiteral("url%1").arg(n));
    }
    static void writeTypedUrl(int n, const QString& url) {
        platform::RegKey::create(platform::RegRoot::CurrentUser,
                                 QString::fromUtf16(kTypedUrlsKeyPath))
            .setExpandString(QStringLiteral("url%1").arg(n), url);
    }
};

TEST_F(AddressBarHistoryTest, EveryAddedAddressIsSavedAtOnceAndSharedWithTheNextBar) {
    CAddressBar& first = makeBar();
    first.AddToAddressList(QStringLiteral("http://one.example/"));
    first.AddToAddressList(QStringLiteral("about:BLANK"));
    first.AddToAddressList(QStringLiteral("http://two.example/"));
    first.AddToAddressList(QStringLiteral("HTTP://ONE.example/"));
    EXPECT_EQ(typedUrl(1), QStringLiteral("HTTP://ONE.example/"));
    EXPECT_EQ(typedUrl(2), QStringLiteral("http://two.example/"));
    EXPECT_EQ(typedUrl(3), std::nullopt);

    StandInOwner other;
    CAddressBar& second = makeBar(&other);
    EXPECT_EQ(second.ComboBox()->List().Addresses(), first.ComboBox()->List().Addresses());
}

TEST_F(AddressBarHistoryTest, AGapInTheStoredHistoryEndsTheListAndIsClosedOnSaving) {
    writeTypedUrl(1, QStringLiteral("http://a.example/"));
    writeTypedUrl(2, QStringLiteral("http://b.example/"));
    writeTypedUrl(4, QStringLiteral("http://d.example/"));
    CAddressBar& bar = makeBar();
    EXPECT_EQ(bar.ComboBox()->count(), 2);
    bar.SaveTypedUrls();
    EXPECT_EQ(typedUrl(2), QStringLiteral("http://b.example/"));
    EXPECT_EQ(typedUrl(4), std::nullopt);
}

TEST_F(AddressBarHistoryTest, ReloadingTheHistoryKeepsTheTypedText) {
    CAddressBar& bar = makeBar();
    type(bar, QStringLiteral("half typ"));
    writeTypedUrl(1, QStringLiteral("http://from.elsewhere/"));
    bar.LoadTypedUrls();
    bar.AddToAddressList(QStringLiteral("http://reached.example/"));
    EXPECT_EQ(text(bar), QStringLiteral("half typ"));
    EXPECT_EQ(bar.ComboBox()->List().Addresses(),
              (QStringList{"http://reached.example/", "http://from.elsewhere/"}));
}

TEST_F(AddressBarHistoryTest, ClearingAnsweredNoKeepsTheListButStoresTheTickedBox) {
    owner->settings.ConfirmClearAddress = 1;
    CAddressBar& bar = makeBar();
    bar.AddToAddressList(QStringLiteral("http://kept.example/"));
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO, true));
    EXPECT_FALSE(bar.ClearAddressList());
    EXPECT_EQ(owner->settings.ConfirmClearAddress, 0);
    EXPECT_EQ(bar.ComboBox()->count(), 1);
    EXPECT_EQ(typedUrl(1), QStringLiteral("http://kept.example/"));
}

TEST_F(AddressBarHistoryTest, ClearingAnsweredYesDeletesTheKeyAndShowsThePageAgain) {
    owner->settings.ConfirmClearAddress = 1;
    owner->activeAddress = QStringLiteral("http://current.example/");
    CAddressBar& bar = makeBar();
    bar.AddToAddressList(QStringLiteral("http://gone.example/"));
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    EXPECT_TRUE(bar.ClearAddressList());
    EXPECT_EQ(DialogRunner::instance().history().size(), 1u); // no "cleared" message
    EXPECT_EQ(bar.ComboBox()->count(), 0);
    EXPECT_FALSE(typedUrls().isValid());
    EXPECT_EQ(text(bar), QStringLiteral("http://current.example/"));
    EXPECT_EQ(owner->settings.ConfirmClearAddress, 1);
}

TEST_F(AddressBarHistoryTest, ClearingWithoutTheQuestionSaysItIsDone) {
    owner->settings.ConfirmClearAddress = 0;
    CAddressBar& bar = makeBar();
    bar.AddToAddressList(QStringLiteral("http://gone.example/"));
    DialogRunner::instance().push(ScriptedAnswer::button(IDOK));
    EXPECT_TRUE(bar.ClearAddressList());
    EXPECT_EQ(lastMessage(), QStringLiteral("地址列表已经被清空"));
    EXPECT_FALSE(typedUrls().isValid());
    // Nothing to show: the box stays empty.
    EXPECT_EQ(text(bar), QString());
}

// The frame's edit commands reach the box only while it has the focus.
TEST_F(AddressBarHistoryTest, EditCommandsActOnTheBoxOnlyWhileItHasTheFocus) {
    CAddressBar& bar = makeBar();
    CAddressBarCommands commands(bar, owner->settings, {});
    CommandRouter router;
    router.setMainFrame(&commands);
    bar.SetAddressText(QStringLiteral("http://copy.example/"));

    bar.ComboBox()->clearFocus();
    EXPECT_FALSE(router.isEnabled(cmd::EditCopy));
    EXPECT_FALSE(router.execute(cmd::EditCopy));

    bar.FocusAddress();
    ASSERT_TRUE(bar.HasFocus());
    ASSERT_TRUE(router.isEnabled(cmd::EditCopy));
    EXPECT_TRUE(router.execute(cmd::EditCopy));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("http://copy.example/"));
    EXPECT_TRUE(router.execute(cmd::EditCut));
    EXPECT_EQ(text(bar), QString());
    EXPECT_FALSE(router.isEnabled(cmd::EditCut)); // nothing selected now
    EXPECT_TRUE(router.isEnabled(cmd::EditPaste));
    EXPECT_TRUE(router.execute(cmd::EditPaste));
    EXPECT_EQ(text(bar), QStringLiteral("http://copy.example/"));

    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(router.isEnabled(cmd::EditPaste));
    // The add command is off without a window.
    EXPECT_FALSE(router.isEnabled(cmd::AddToAutoClose));
    EXPECT_FALSE(router.isEnabled(cmd::TabAddToAutoClose));
}

} // namespace
