#include "LinkGroupFixture.h"

#include "frame/CFavoritesCommands.h"
#include "frame/CLinkBar.h"
#include "frame/CWindowBar.h"
#include "frame/CWindowManager.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"
#include "system/BookmarkHtml.h"
#include "system/CAddFavoriteDialog.h"
#include "system/CChooseFavoritesFolderDialog.h"
#include "system/CFavoritesTreeWidget.h"
#include "system/COrganizeFavoritesDialog.h"
#include "system/FavoritesExchange.h"
#include "system/InternetShortcut.h"
#include "system/ShellFolders.h"

#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace {

class FavoritesDialogsTest : public LinkGroupFixture {
protected:
    void SetUp() override {
        LinkGroupFixture::SetUp();
        start();
        root = shellFolderPath("Favorites");
        ASSERT_FALSE(root.isEmpty());
    }
    CBrowserView* page(const QString& title, const QString& url) {
        CBrowserView* view = open();
        engineOf(view).playLoad(url, title);
        return view;
    }
    QString at(const QString& relative) const { return root + '/' + relative; }
    static void answerText(const QString& text) {
        ScriptedAnswer answer = ScriptedAnswer::button(QDialog::Accepted);
        answer.text = text;
        DialogRunner::instance().push(answer);
    }
    // The names the Favorites menu shows in the folder reached by names.
    QStringList favoritesMenu(const QStringList& names = {}) {
        QMenu* menu = frame().FavoritesMenu();
        emit menu->aboutToShow();
        int skip = res::FavoritesFixedItems;
        for (const QString& name : names) {
            QMenu* next = nullptr;
            for (QAction* action : menu->actions())
                if (action->menu() && action->text() == name)
                    next = action->menu();
            if (!next)
                return {};
            emit next->aboutToShow();
            menu = next;
            skip = 0;
        }
        QStringList shown;
        for (QAction* action : menu->actions().mid(skip))
            if (!action->isSeparator())
                shown << action->text();
        return shown;
    }
    QString lastMessage() const { return dialogs().back().text; }

    QString root;
};

// A hand-written bookmark file as other browsers write them.
const char kBookmarks[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE><H1>Bookmarks</H1>\n"
    "<DL><p>\n"
    "  <DT><H3 PERSONAL_TOOLBAR_FOLDER=\"true\">Toolbar</H3>\n"
    "  <DL><p><DT><A HREF=\"http://bar.example/\">Bar</A></DL><p>\n"
    "  <DT><H3>Reisen &amp; Ferien</H3>\n"
    "  <DL><p>\n"
    "    <DT><H3>日本</H3>\n"
    "    <DL><p><DT><A HREF=\"http://jp.example/?a=1&amp;b=2\">東京 &lt;案内&gt;</A></DL><p>\n"
    "    <DT><A HREF=\"http://untitled.example/\"></A>\n"
    "  </DL><p>\n"
    "</DL><p>\n";

} // namespace

TEST_F(FavoritesDialogsTest, AddingThePageWritesItsShortcutWhereTheUserChose) {
    EXPECT_FALSE(run(cmd::AddToFavorites)); // no window: disabled
    page("News / today", "http://news.example/");
    QSignalSpy changes(&frame().Links()->FavoritesCommands(),
                       &CFavoritesCommands::FavoritesChanged);

    answerWith<CAddFavoriteDialog>([&](CAddFavoriteDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), QString::fromUtf8("News ／ today"));
        // A new folder in the selected one, selected at once.
        answerText("Daily");
        dialog.NewFolder();
        EXPECT_EQ(dialog.Tree()->CurrentFolder(), at("Daily"));
        answerText("Daily");
        dialog.NewFolder();
        EXPECT_EQ(dialog.Tree()->CurrentFolder(), at("Daily/Daily"));
        EXPECT_TRUE(dialog.Tree()->SelectPath(at("Daily")));
        answerText("Daily");
        answerButton(IDOK);
        dialog.NewFolder();
        EXPECT_EQ(lastMessage(), res::formatString(sid::FavoriteNameTaken, {{"%name%", "Daily"}}));
        EXPECT_TRUE(dialog.Tree()->SelectPath(at("Daily/Daily")));
    });
    EXPECT_TRUE(run(cmd::AddToFavorites));
    const QString written = at(QString::fromUtf8("Daily/Daily/News ／ today.url"));
    EXPECT_EQ(readInternetShortcut(written), "http://news.example/");
    EXPECT_EQ(changes.size(), 1);
    EXPECT_EQ(favoritesMenu({"Daily", "Daily"}),
              QStringList({QString::fromUtf8("News ／ today"), QStringLiteral("打开所有(&O)")}));

    // The same name again: replaced only after Yes; No keeps the dialog.
    page("News / today", "http://news.example/2");
    answerWith<CAddFavoriteDialog>([&](CAddFavoriteDialog& dialog) {
        ASSERT_TRUE(dialog.Tree()->SelectPath(at("Daily/Daily")));
        answerButton(IDNO);
        dialog.accept();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);
        EXPECT_EQ(lastMessage(),
                  res::formatString(sid::FavoriteReplace,
                                    {{"%name%", QString::fromUtf8("News ／ today")}}));
        EXPECT_EQ(readInternetShortcut(written), "http://news.example/");
        answerButton(IDYES);
    });
    EXPECT_TRUE(run(cmd::AddToFavorites));
    EXPECT_EQ(readInternetShortcut(written), "http://news.example/2");

    // An untitled page is named after its address; into Links it shows on
    // the link bar at once.
    page("", "https://plain.example/path/");
    answerWith<CAddFavoriteDialog>([&](CAddFavoriteDialog& dialog) {
        EXPECT_EQ(dialog.NameEdit()->text(), QString::fromUtf8("plain.example／path"));
        ASSERT_TRUE(dialog.Tree()->SelectPath(at("Links")));
    });
    EXPECT_TRUE(run(cmd::AddToFavorites));
    EXPECT_TRUE(frame().LinkBar()->urls().contains("https://plain.example/path/"));
}

TEST_F(FavoritesDialogsTest, TheTabMenuAddsItsOwnWindow) {
    EXPECT_FALSE(run(cmd::TabAddToFavorites));
    CBrowserView* first = page("First", "http://first/");
    page("Second", "http://second/");
    frame().Windows().setMenuRunner([&](QMenu&, const QPoint&) {
        answerWith<CAddFavoriteDialog>([](CAddFavoriteDialog&) {});
        EXPECT_TRUE(run(cmd::TabAddToFavorites));
    });
    CWindowBar* bar = frame().WindowBar();
    const QPoint onFirst = bar->itemRect(frame().WindowBarTabs().indexOf(first)).center();
    QContextMenuEvent click(QContextMenuEvent::Mouse, onFirst, bar->mapToGlobal(onFirst));
    QApplication::sendEvent(bar, &click);
    EXPECT_EQ(readInternetShortcut(at("First.url")), "http://first/");
    EXPECT_FALSE(QFileInfo::exists(at("Second.url")));
}

TEST_F(FavoritesDialogsTest, OrganizingActsOnTheFolderAndExplainsRefusals) {
    ASSERT_TRUE(QDir(root).mkpath("A/Inner"));
    ASSERT_TRUE(writeInternetShortcut(at("x.url"), "http://x/"));
    ASSERT_TRUE(writeInternetShortcut(at("A/z.url"), "http://other-z/"));
    DialogRunner::instance().push(ScriptedAnswer::acting([&](QDialog& d) {
        auto& dialog = dynamic_cast<COrganizeFavoritesDialog&>(d);
        CFavoritesTreeWidget* tree = dialog.Tree();
        // The root can take a new folder but not be renamed, moved or deleted.
        EXPECT_FALSE(dialog.ButtonAt(COrganizeFavoritesDialog::Rename)->isEnabled());
        answerText("A");
        answerButton(IDOK);
        dialog.Press(COrganizeFavoritesDialog::NewFolder);
        EXPECT_EQ(lastMessage(), res::formatString(sid::FavoriteNameTaken, {{"%name%", "A"}}));

        EXPECT_TRUE(tree->SelectPath(at("x.url")));
        answerText("z");
        dialog.Press(COrganizeFavoritesDialog::Rename);
        EXPECT_EQ(tree->CurrentPath(), at("z.url"));
        // Moving it where its name is taken is refused and changes nothing.
        DialogRunner::instance().push(ScriptedAnswer::acting([&](QDialog& chooser) {
            auto& choose = dynamic_cast<CChooseFavoritesFolderDialog&>(chooser);
            EXPECT_TRUE(choose.Tree()->SelectPath(at("A")));
            return int(QDialog::Accepted);
        }));
        answerButton(IDOK);
        dialog.Press(COrganizeFavoritesDialog::MoveTo);
        EXPECT_EQ(lastMessage(), res::formatString(sid::FavoriteNameTaken, {{"%name%", "z"}}));
        EXPECT_EQ(readInternetShortcut(at("A/z.url")), "http://other-z/");
        // A folder cannot go into its own subfolder.
        EXPECT_TRUE(tree->SelectPath(at("A")));
        DialogRunner::instance().push(ScriptedAnswer::acting([&](QDialog& chooser) {
            dynamic_cast<CChooseFavoritesFolderDialog&>(chooser).Tree()->SelectPath(at("A/Inner"));
            return int(QDialog::Accepted);
        }));
        answerButton(IDOK);
        dialog.Press(COrganizeFavoritesDialog::MoveTo);
        EXPECT_EQ(lastMessage(), res::formatString(sid::FavoriteIntoItself, {{"%name%", "A"}}));
        // Deleting asks first; No keeps the folder.
        answerButton(IDNO);
        dialog.Press(COrganizeFavoritesDialog::Delete);
        EXPECT_EQ(lastMessage(),
                  res::formatString(sid::ConfirmDeleteFavoriteFolder, {{"%name%", "A"}}));
        EXPECT_TRUE(QFileInfo(at("A")).isDir());
        answerButton(IDYES);
        dialog.Press(COrganizeFavoritesDialog::Delete);
        EXPECT_FALSE(QFileInfo::exists(at("A")));
        EXPECT_EQ(tree->CurrentPath(), root);
        EXPECT_TRUE(dialog.Changed());
        return int(QDialog::Accepted);
    }));
    EXPECT_TRUE(run(cmd::OrganizeFavorites));
    EXPECT_EQ(DialogRunner::instance().pendingAnswers(), 0);
    EXPECT_EQ(favoritesMenu(), QStringList({"Links", "z", QStringLiteral("打开所有(&O)")}));
}

TEST_F(FavoritesDialogsTest, ImportAndExportGoThroughTheChosenFiles) {
    const QString file = testenv::writeTestFile("bookmarks.html", kBookmarks);
    DialogRunner::instance().push(ScriptedAnswer::file(file));
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ImportFavorites));
    EXPECT_EQ(lastMessage(),
              res::formatString(sid::FavoritesImported, {{"%count%", "3"}, {"%present%", "0"}}));
    const QString japan = QString::fromUtf8("Reisen & Ferien/日本/");
    EXPECT_EQ(readInternetShortcut(at(japan + QString::fromUtf8("東京 <案内>.url"))),
              "http://jp.example/?a=1&b=2");
    EXPECT_EQ(readInternetShortcut(at("Reisen & Ferien/untitled.example.url")),
              "http://untitled.example/");
    EXPECT_TRUE(frame().LinkBar()->urls().contains("http://bar.example/"));

    // A file that is no bookmark file imports nothing.
    const QString junk = testenv::writeTestFile("notes.html", "<html><p>Hello</p></html>");
    DialogRunner::instance().push(ScriptedAnswer::file(junk));
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ImportFavorites));
    EXPECT_EQ(lastMessage(), res::formatString(sid::NotABookmarkFile, {{"%filename%", junk}}));

    // Export writes a file that reads back as the same tree; a cancelled
    // choice writes nothing.
    const QString exported = testenv::freshDir("Export") + "/bookmark.htm";
    DialogRunner::instance().push(ScriptedAnswer::cancelFile());
    EXPECT_TRUE(run(cmd::ExportFavorites));
    EXPECT_FALSE(QFileInfo::exists(exported));
    DialogRunner::instance().push(ScriptedAnswer::file(exported));
    answerButton(IDOK);
    EXPECT_TRUE(run(cmd::ExportFavorites));
    EXPECT_EQ(lastMessage(), res::formatString(sid::FavoritesExported,
                                               {{"%count%", "3"}, {"%filename%", exported}}));
    const BookmarkParseResult back = ParseBookmarkHtml(testenv::readTestFile(exported));
    EXPECT_TRUE(back.recognised);
    EXPECT_EQ(back.root, ReadFavoritesAsBookmarks(root));
    EXPECT_EQ(CountBookmarkLinks(back.root), 3);
}
