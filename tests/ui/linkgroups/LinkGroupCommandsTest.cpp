#include "LinkGroupFixture.h"

#include "frame/CLinkBar.h"
#include "frame/CLinkGroupMenus.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "linkgroups/CDuplicateNameDialog.h"
#include "linkgroups/CLinkDialog.h"
#include "linkgroups/CLinkGroupDialog.h"
#include "linkgroups/CNewLinkGroupDialog.h"
#include "system/InternetShortcut.h"
#include "system/ShellFolders.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>

namespace {

class LinkGroupCommandsTest : public LinkGroupFixture {
protected:
    void SetUp() override {
        LinkGroupFixture::SetUp();
        start();
        settings().LinkGroups = {
            LinkGroup{"Daily", 0, 0, {{"a", "http://a/"}, {"no address", ""}, {"b", "http://b/"}}},
            LinkGroup{"-", 0, 1, {}},
            LinkGroup{"Empty", 0, 0, {}},
            LinkGroup{"Last", 0, 0, {{"c", "http://c/"}}},
        };
    }
    CBrowserView* page(const QString& title, const QString& url) {
        CBrowserView* view = open();
        engineOf(view).playLoad(url, title);
        return view;
    }
};

} // namespace

TEST_F(LinkGroupCommandsTest, TheLinkGroupsMenuListsGroupsAndTheirLinksAsFavorites) {
    QMenu* menu = frame().LinkGroupsMenu();
    emit menu->aboutToShow();
    EXPECT_EQ(items(menu, res::LinkGroupsFixedItems),
              QStringList({"32948:Daily", "-", "~32950:Empty", "32951:Last"}));
    QMenu* asFavorites = MenuBuilder::submenuAt(menu, res::subpos::LinkGroupsAsFavorites);
    ASSERT_TRUE(asFavorites);
    EXPECT_EQ(items(asFavorites), QStringList({"33303:Daily>", "33303:Empty>", "33303:Last>"}));
    const QList<QAction*> popups = asFavorites->actions();
    EXPECT_EQ(items(popups[0]->menu()),
              QStringList({"33306:a", "33307:no address", "33308:b"}));
    EXPECT_EQ(items(popups[1]->menu()), QStringList({QStringLiteral("~（空）")}));
    EXPECT_EQ(items(popups[2]->menu()), QStringList({"33309:c"}));

    EXPECT_EQ(frame().Binder().promptFor(32948),
              res::formatString(sid::OpenLinkGroupPrompt, {{"%linkgroup%", "Daily"}}) +
                  " (a, no address, b)");
    EXPECT_EQ(frame().Binder().promptFor(33309),
              res::formatString(sid::OpenUrlPrompt, {{"%url%", "http://c/"}}));

    // Rebuilt at every opening: no duplicates, and "（空）" without groups.
    settings().LinkGroups.clear();
    emit menu->aboutToShow();
    EXPECT_EQ(items(menu, res::LinkGroupsFixedItems), QStringList({QStringLiteral("~（空）")}));
    EXPECT_EQ(items(asFavorites), QStringList({QStringLiteral("~（空）")}));
}

TEST_F(LinkGroupCommandsTest, OpeningAGroupOpensEachLinkWithAnAddressInANewWindow) {
    EXPECT_TRUE(run(cmd::LinkGroupOpen.at(0)));
    ASSERT_EQ(views().size(), 2u);
    EXPECT_EQ(navigations(views()[0]), QStringList({"Navigate2 http://a/"}));
    EXPECT_EQ(navigations(views()[1]), QStringList({"Navigate2 http://b/"}));
    // An empty group and an index past the list are disabled.
    EXPECT_FALSE(run(cmd::LinkGroupOpen.at(2)));
    EXPECT_FALSE(run(cmd::LinkGroupOpen.at(40)));
    EXPECT_EQ(views().size(), 2u);
}

TEST_F(LinkGroupCommandsTest, LinksOfTheGroupsAndOfTheLinkBarFollowShiftAndTheOption) {
    emit frame().LinkGroupsMenu()->aboutToShow();
    // No window: a new one.
    EXPECT_TRUE(run(33309));
    ASSERT_EQ(views().size(), 1u);
    // A window is active: it navigates.
    EXPECT_TRUE(run(33306));
    ASSERT_EQ(views().size(), 1u);
    EXPECT_EQ(navigations(views()[0]).last(), "Navigate2 http://a/");
    modifiers = Qt::ShiftModifier;
    EXPECT_TRUE(run(33306));
    EXPECT_EQ(views().size(), 2u);
    modifiers = Qt::NoModifier;
    settings().AlwaysOpenLinksInNew = 1;

    const QDir links(QDir(shellFolderPath("Favorites")).filePath("Links"));
    ASSERT_TRUE(writeInternetShortcut(links.filePath("Bar link.url"), "http://bar/"));
    ASSERT_EQ(frame().RefillLinkBar(), 1);
    EXPECT_TRUE(run(cmd::LinkBar.at(0)));
    ASSERT_EQ(views().size(), 3u);
    EXPECT_EQ(navigations(views()[2]), QStringList({"Navigate2 http://bar/"}));
    run(cmd::LinkBar.at(1)); // no such button: nothing
    EXPECT_EQ(views().size(), 3u);
}

TEST_F(LinkGroupCommandsTest, ANewGroupFromThePageAndTheDuplicateNameChoice) {
    EXPECT_FALSE(run(cmd::NewLinkGroupFromPage)); // no window
    page("Page title", "http://page/");
    answerWith<CNewLinkGroupDialog>([](CNewLinkGroupDialog& dialog) {
        EXPECT_EQ(dialog.LinkNameEdit()->text(), "Page title");
        EXPECT_EQ(dialog.UrlEdit()->text(), "http://page/");
        dialog.GroupNameEdit()->setText("  New group ");
    });
    EXPECT_TRUE(run(cmd::NewLinkGroupFromPage));
    ASSERT_EQ(settings().LinkGroups.size(), 5);
    EXPECT_EQ(settings().LinkGroups[4],
              (LinkGroup{"New group", 0, 0, {{"Page title", "http://page/"}}}));

    // A taken name asks; "replace" empties the group first.
    answerWith<CNewLinkGroupDialog>(
        [](CNewLinkGroupDialog& dialog) { dialog.GroupNameEdit()->setText("DAILY"); });
    answerWith<CDuplicateNameDialog>(
        [](CDuplicateNameDialog& dialog) { dialog.SetChoice(LinkGroupNameChoice::Replace); });
    EXPECT_TRUE(run(cmd::NewLinkGroupFromPage));
    EXPECT_EQ(settings().LinkGroups[0].Links,
              QList<LinkGroupLink>({{"Page title", "http://page/"}}));
    EXPECT_EQ(settings().LinkGroups.size(), 5);
    // The main menu's command leaves saving to the next settings save.
    EXPECT_TRUE(storedGroups().isEmpty());
}

TEST_F(LinkGroupCommandsTest, TheGroupLimitRefusesEveryNewGroupWith51516) {
    page("P", "http://p/");
    while (settings().LinkGroups.size() < MaxLinkGroups)
        settings().LinkGroups.append(LinkGroup{"g"});
    const QList<LinkGroup> before = settings().LinkGroups;
    for (const unsigned id : {cmd::NewLinkGroupFromPage, cmd::SaveAllAsLinkGroup}) {
        answerButton(IDOK);
        EXPECT_TRUE(run(id));
        EXPECT_EQ(dialogs().back().text, res::loadString(sid::TooManyLinkGroups));
    }
    EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
    EXPECT_EQ(settings().LinkGroups, before);
}

TEST_F(LinkGroupCommandsTest, SavingAllWindowsMakesAGroupOfEveryPageAndSavesIt) {
    page("One", "http://one/");
    page("Two", "http://two/");
    answerWith<CLinkGroupDialog>([](CLinkGroupDialog& dialog) {
        EXPECT_FALSE(dialog.SeparatorBox()->isEnabled());
        dialog.NameEdit()->setText("Windows");
        dialog.StartupBox()->setChecked(true);
    });
    EXPECT_TRUE(run(cmd::SaveAllAsLinkGroup));
    const LinkGroup expected{"Windows", 1, 0, {{"One", "http://one/"}, {"Two", "http://two/"}}};
    ASSERT_EQ(settings().LinkGroups.size(), 5);
    EXPECT_EQ(settings().LinkGroups[4], expected);
    ASSERT_EQ(storedGroups().size(), 5);
    EXPECT_EQ(storedGroups()[4], expected);

    // Cancel adds nothing.
    DialogRunner::instance().push(ScriptedAnswer::button(QDialog::Rejected));
    EXPECT_TRUE(run(cmd::SaveAllAsLinkGroup));
    EXPECT_EQ(settings().LinkGroups.size(), 5);
}

TEST_F(LinkGroupCommandsTest, AddingThePageOrTheTabPageToAGroup) {
    CBrowserView* first = page("First", "http://first/");
    page("Second", "http://second/");
    QMenu* addMenu = frame().LinkGroupAddMenu();
    emit addMenu->aboutToShow();
    EXPECT_EQ(items(addMenu, res::LinkGroupAddFixedItems),
              QStringList({"33048:Daily", "-", "33050:Empty", "33051:Last"}));
    EXPECT_EQ(frame().Binder().promptFor(33050),
              res::formatString(sid::AddToLinkGroupPrompt, {{"%linkgroup%", "Empty"}}));

    answerWith<CLinkDialog>([](CLinkDialog& dialog) { dialog.NameEdit()->setText("Renamed"); });
    EXPECT_TRUE(run(cmd::LinkGroupAdd.at(2)));
    EXPECT_EQ(settings().LinkGroups[2].Links,
              QList<LinkGroupLink>({{"Renamed", "http://second/"}}));
    EXPECT_EQ(storedGroups()[2].Links.size(), 1);

    // The Tab menu acts on the tab's window; without one it is disabled.
    EXPECT_FALSE(run(cmd::TabLinkGroupAdd.at(2)));
    frame().Windows().setMenuRunner([&](QMenu& menu, const QPoint&) {
        QMenu* sub = frame().Windows().contextLinkGroupMenu();
        ASSERT_TRUE(sub);
        emit sub->aboutToShow();
        EXPECT_EQ(items(sub, res::LinkGroupAddFixedItems).value(0), "33165:Daily");
        answerWith<CLinkDialog>([](CLinkDialog&) {});
        EXPECT_TRUE(run(cmd::TabLinkGroupAdd.at(3)));
        (void)menu;
    });
    CWindowBar* bar = frame().WindowBar();
    const QPoint onFirst = bar->itemRect(frame().WindowBarTabs().indexOf(first)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, onFirst, bar->mapToGlobal(onFirst));
    QApplication::sendEvent(bar, &click);
    EXPECT_EQ(settings().LinkGroups[3].Links.last(), (LinkGroupLink{"First", "http://first/"}));
}
