// The program's memory of windows: the record of the open windows, crash
// recovery at start, the recently closed windows menu and the last visited
// pages, with scripted engines behind every window.
#include "BrowserFixture.h"

#include "app/ClosedWindowEntry.h"
#include "app/RegStringList.h"
#include "app/SessionKeeper.h"
#include "app/SessionKeyPath.h"
#include "linkgroups/LinkGroupStore.h"

using namespace platform;

namespace {

QString sessionPath(const QString& name) {
    return QString::fromUtf16(kSessionsKeyPath) + "\\" + name;
}

void writeSession(const QString& name, const QList<LinkGroupLink>& links, int normalExit) {
    WriteLinkGroup(sessionPath(name), LinkGroup{"Session", 0, 0, links});
    if (normalExit >= 0)
        RegKey::open(RegRoot::CurrentUser, sessionPath(name))
            .setDword("NormalExit", static_cast<std::uint32_t>(normalExit));
}

QStringList sessionKeys() {
    return RegKey::open(RegRoot::CurrentUser, QString::fromUtf16(kSessionsKeyPath)).subkeyNames();
}

LinkGroup ownRecord() {
    LinkGroup group;
    ReadLinkGroup(RegKey::open(RegRoot::CurrentUser, SessionKeyPath(0)), &group);
    return group;
}

QStringList urlsOf(const LinkGroup& group) {
    QStringList urls;
    for (const LinkGroupLink& link : group.Links)
        urls << link.URL;
    return urls;
}

class SessionWindows : public BrowserFixture {
protected:
    void SetUp() override {
        BrowserFixture::SetUp();
        settingsKey().setDword("StartMode", 3);
        settingsKey().setString("CustomHomepage", "http://home.example/");
    }
    // A page that has loaded in view: address, title and the engine's events.
    static void load(CBrowserView* view, const QString& url, const QString& title) {
        engineOf(view).setLocation(url, title);
        engineOf(view).playNavigateComplete(url);
        engineOf(view).playTitle(title);
        engineOf(view).playDocumentComplete(url);
    }
    QStringList menuTexts(QMenu* menu) {
        emit menu->aboutToShow();
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text() + (action->isEnabled() ? "" : " (off)");
        return texts;
    }
};

} // namespace

TEST_F(SessionWindows, YesOpensTheCrashedWindowsBehindTheStartWindows) {
    writeSession("5000040", {{"x", "http://x.example/"}, {"y", "http://y.example/"}}, 0);
    writeSession("5000041", {{"z", "http://z.example/"}}, 1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDYES));
    start();
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(dialogs()[0].text, res::loadString(sid::ReopenAfterCrash));
    EXPECT_EQ(app->startAddresses(),
              (QStringList{"http://home.example/", "http://x.example/", "http://y.example/"}));
    EXPECT_EQ(views().size(), 3u);
    EXPECT_TRUE(settings().CrashedSession.Links.isEmpty());
    // The crashed records are gone; this run's record lists the windows from
    // the start, before any page has loaded.
    EXPECT_EQ(sessionKeys(), QStringList{QString::number(MainWindowId())});
    EXPECT_EQ(urlsOf(ownRecord()),
              (QStringList{"http://y.example/", "http://x.example/", "http://home.example/"}));
}

TEST_F(SessionWindows, NoOpensOnlyTheStartWindowsAndTheRecordsGoAllTheSame) {
    writeSession("5000040", {{"x", "http://x.example/"}}, -1);
    DialogRunner::instance().push(ScriptedAnswer::button(IDNO));
    start();
    ASSERT_EQ(dialogs().size(), 1u);
    EXPECT_EQ(app->startAddresses(), QStringList{"http://home.example/"});
    EXPECT_EQ(views().size(), 1u);
    EXPECT_EQ(sessionKeys(), QStringList{QString::number(MainWindowId())});
}

TEST_F(SessionWindows, ANormalEndAsksNothingAndStartModeSixReopensItsWindows) {
    writeSession("5000042", {{"p", "http://p.example/"}, {"q", "http://q.example/"}}, 1);
    // A crashed record without windows asks nothing either.
    writeSession("5000043", {}, 0);
    settingsKey().setDword("LastSession", 5000042);
    settingsKey().setDword("StartMode", 6);
    start();
    EXPECT_TRUE(dialogs().empty());
    EXPECT_EQ(app->startAddresses(), (QStringList{"http://p.example/", "http://q.example/"}));
    EXPECT_EQ(sessionKeys(), QStringList{QString::number(MainWindowId())});
    EXPECT_EQ(app->Router().isEnabled(cmd::LastVisitedPages), true);
}

TEST_F(SessionWindows, TheRecordFollowsNavigationsTitlesAndClosedWindows) {
    settingsKey().setDword("StartMode", 4);
    start();
    CBrowserView* first = open();
    CBrowserView* second = open();
    load(first, "http://one.example/", "One");
    load(second, "http://two.example/", "Two");
    settle();
    EXPECT_EQ(ownRecord().Links,
              (QList<LinkGroupLink>{{"One", "http://one.example/"}, {"Two", "http://two.example/"}}));

    // A completed navigation is recorded before control returns.
    engineOf(first).setLocation("http://one.example/next", "One");
    engineOf(first).playNavigateComplete("http://one.example/next");
    EXPECT_EQ(ownRecord().Links[0].URL, "http://one.example/next");

    // A burst of title changes in one turn costs one write.
    const int before = app->Sessions().Record().writeCount();
    for (int i = 0; i < 100; ++i) {
        engineOf(second).setLocation("http://two.example/", QStringLiteral("Two %1").arg(i));
        engineOf(second).playTitle(QStringLiteral("Two %1").arg(i));
    }
    settle();
    EXPECT_LE(app->Sessions().Record().writeCount() - before, 2);
    EXPECT_EQ(ownRecord().Links[1].Name, "Two 99");

    second->ChildFrame()->close();
    settle();
    EXPECT_EQ(urlsOf(ownRecord()), QStringList{"http://one.example/next"});
    // The closed window is kept at once, not only at exit.
    QStringList stored;
    ReadStringList(QString::fromUtf16(kClosedWindowsKeyPath), "window", StringListMode::Append,
                   0, &stored);
    EXPECT_EQ(stored, QStringList{"Two 99\nhttp://two.example/"});
}

TEST_F(SessionWindows, ReopeningTheThirdEntryKeepsItThirdUntilItClosesAgain) {
    settingsKey().setDword("StartMode", 4);
    start();
    settings().AddClosedWindow("c", "http://c.example/");
    settings().AddClosedWindow("b", "http://b.example/");
    settings().AddClosedWindow("a", "http://a.example/");
    CBrowserView* active = open();
    settings().OpenClosedWindowsInNewWindow = 0;
    ASSERT_TRUE(app->Router().dispatch(cmd::ClosedWindows.at(2)));
    EXPECT_EQ(views().size(), 1u); // the active window goes there
    EXPECT_EQ(navigations(active), QStringList{"Navigate2 http://c.example/"});

    settings().OpenClosedWindowsInNewWindow = 1;
    ASSERT_TRUE(app->Router().dispatch(cmd::ClosedWindows.at(2)));
    ASSERT_EQ(views().size(), 2u);
    CBrowserView* reopened = views()[1];
    EXPECT_EQ(navigations(reopened), QStringList{"Navigate2 http://c.example/"});
    EXPECT_EQ(ClosedWindowEntryAddress(settings().ClosedWindows()[2]), "http://c.example/");

    load(reopened, "http://c.example/", "c");
    reopened->ChildFrame()->close();
    settle();
    EXPECT_EQ(ClosedWindowEntryAddress(settings().ClosedWindows()[0]), "http://c.example/");
    EXPECT_EQ(ClosedWindowEntryAddress(settings().ClosedWindows()[2]), "http://b.example/");
    EXPECT_TRUE(settings().ClosedWindows()[3].isEmpty());
}

TEST_F(SessionWindows, TheGoMenuListsClosedWindowsAndOpensTheLastVisitedPages) {
    settingsKey().setDword("StartMode", 4);
    settingsKey().setDword("ClosedWindowsCount", 0);
    start();
    QMenu* menu = frame().ClosedWindowsMenu();
    EXPECT_EQ(menuTexts(menu), QStringList{"（禁止） (off)"});
    settings().SetClosedWindowsCount(5);
    EXPECT_EQ(menuTexts(menu), QStringList{"（空） (off)"});
    settings().AddClosedWindow("", "http://untitled.example/");
    settings().AddClosedWindow("Fish & Chips", "http://fish.example/");
    EXPECT_EQ(menuTexts(menu), (QStringList{"Fish && Chips", "未命名     "}));
    EXPECT_EQ(frame().Binder().promptFor(cmd::ClosedWindows.at(1)), "http://untitled.example/");

    EXPECT_FALSE(app->Router().isEnabled(cmd::LastVisitedPages));
    settings().LastSessionGroup = {"Session", 0, 0,
                                   {{"p", "http://p.example/"}, {"q", "http://q.example/"}}};
    ASSERT_TRUE(app->Router().isEnabled(cmd::LastVisitedPages));
    open();
    ASSERT_TRUE(app->Router().dispatch(cmd::LastVisitedPages));
    ASSERT_EQ(views().size(), 3u);
    EXPECT_EQ(navigations(views()[1]), QStringList{"Navigate2 http://p.example/"});
    EXPECT_EQ(navigations(views()[2]), QStringList{"Navigate2 http://q.example/"});
}
