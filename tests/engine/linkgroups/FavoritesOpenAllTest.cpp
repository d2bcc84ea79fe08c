// The program with real engines: open-all of a favorites folder opens each
// of its links in a new window, and a loopback server sees every address.
#include "app/CQuorrelin.h"
#include "app/SettingsPaths.h"
#include "engine/engine/TestHttpServer.h"
#include "frame/CMainFrame.h"
#include "framework/CommandBinder.h"
#include "framework/DialogRunner.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"
#include "system/InternetShortcut.h"
#include "system/ShellFolders.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMenu>

TEST(FavoritesOpenAllTest, OpenAllOpensEveryLinkOfTheFolderInANewWindow) {
    testenv::useFreshRegistry();
    DialogRunner::instance().reset();
    DialogRunner::instance().setMode(DialogRunner::Mode::Scripted);
    platform::RegKey::create(platform::RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath))
        .setDword("CheckDefaultBrowser", 0);
    TestHttpServer server;
    ASSERT_TRUE(server.start());
    server.addPage("/one", "<title>one</title>");
    server.addPage("/two", "<title>two</title>");

    CQuorrelin::Environment environment;
    environment.engineVersion = "112.0.5615.213";
    CQuorrelin app(environment);
    ASSERT_TRUE(app.InitInstance({}));
    const QDir folder(QDir(shellFolderPath("Favorites")).filePath("Folder"));
    ASSERT_TRUE(QDir().mkpath(folder.path()));
    ASSERT_TRUE(writeInternetShortcut(folder.filePath("one.url"), server.url("/one")));
    ASSERT_TRUE(writeInternetShortcut(folder.filePath("two.url"), server.url("/two")));
    app.Settings().SortFavorites = 1;

    QMenu* root = app.MainFrame()->FavoritesMenu();
    emit root->aboutToShow();
    QMenu* sub = nullptr;
    for (QAction* action : root->actions())
        if (action->menu() && action->text() == "Folder")
            sub = action->menu();
    ASSERT_TRUE(sub);
    emit sub->aboutToShow();
    const unsigned openAll = CommandBinder::commandId(sub->actions().last());
    ASSERT_EQ(openAll, 2001u);
    ASSERT_TRUE(app.Router().execute(openAll));
    EXPECT_EQ(app.AllViews().size(), 2u);

    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 60000 && !(server.requested("/one") && server.requested("/two")))
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    EXPECT_TRUE(server.requested("/one"));
    EXPECT_TRUE(server.requested("/two"));
    DialogRunner::instance().reset();
}
