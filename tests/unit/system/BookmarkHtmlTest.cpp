#include "system/BookmarkHtml.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"
#include "system/FavoritesExchange.h"
#include "system/InternetShortcut.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <random>

namespace {

using Kind = BookmarkNode::Kind;

// A file as another browser writes it: nested folders, the toolbar folder,
// non-ASCII names, entities, a link without a title, attributes in other
// cases and quotes, an icon attribute, comments and a link to nowhere.
const char kSample[] =
    "<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
    "<!-- This is an automatically generated file. <A HREF=\"http://comment/\">no</A> -->\n"
    "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
    "<TITLE>Bookmarks</TITLE>\n<H1>Bookmarks</H1>\n"
    "<DL><p>\n"
    "    <DT><H3 ADD_DATE=\"1700000000\" PERSONAL_TOOLBAR_FOLDER=\"true\">Bookmarks bar</H3>\n"
    "    <DL><p>\n"
    "        <DT><A HREF=\"https://bar.example/\" ADD_DATE=\"1700000001\" "
    "ICON=\"data:image/png;base64,AAAA\">Bar</A>\n"
    "    </DL><p>\n"
    "    <DT><H3>新闻 &amp; 天气</H3>\n"
    "    <DL><p>\n"
    "        <DT><a href='https://news.example/?a=1&amp;b=2'>Nachrichten &lt;Übersicht&gt; &#8211; "
    "&#x4E2D;</a>\n"
    "        <DT><H3>Deeper</H3>\n"
    "        <DL><p>\n"
    "            <DT><A HREF=https://deep.example/>  Deep\n   one  </A>\n"
    "        </DL><p>\n"
    "        <DT><A HREF=\"https://untitled.example/path/\"></A>\n"
    "    </DL><p>\n"
    "    <HR>\n"
    "    <DT><A HREF=\"\">Nowhere</A>\n"
    "    <DT><A HREF=\"https://top.example/\">Top &quot;quoted&quot; a/b</A>\n"
    "</DL><p>\n";

BookmarkNode linkNode(const QString& name, const QString& url, qint64 added = 0) {
    return {Kind::Link, name, url, added, false, {}};
}
BookmarkNode folder(const QString& name, std::initializer_list<BookmarkNode> children,
                    bool toolbar = false) {
    return {Kind::Folder, name, {}, 0, toolbar, QList<BookmarkNode>(children)};
}

BookmarkNode sampleTree() {
    BookmarkNode bar =
        folder("Bookmarks bar", {linkNode("Bar", "https://bar.example/", 1700000001)}, true);
    bar.added = 1700000000;
    return folder(QString(),
                  {bar,
                   folder(QString::fromUtf8("新闻 & 天气"),
                          {linkNode(QString::fromUtf8("Nachrichten <Übersicht> – 中"),
                                    "https://news.example/?a=1&b=2"),
                           folder("Deeper", {linkNode("Deep one", "https://deep.example/")}),
                           linkNode("", "https://untitled.example/path/")}),
                   linkNode("Top \"quoted\" a/b", "https://top.example/")});
}

// "path=url" for every shortcut below dir, and "path/" for every folder,
// sorted.
QStringList listTree(const QString& dir, const QString& prefix = {}) {
    QStringList out;
    const QFileInfoList entries =
        QDir(dir).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& info : entries) {
        const QString name = prefix + info.fileName();
        if (info.isDir()) {
            out << name + '/';
            out << listTree(info.filePath(), name + '/');
        } else {
            out << name + '=' + readInternetShortcut(info.filePath()).value_or("?");
        }
    }
    out.sort();
    return out;
}

} // namespace

TEST(BookmarkHtml, ReadsAFileOfAnotherBrowser) {
    const BookmarkParseResult parsed = ParseBookmarkHtml(kSample);
    EXPECT_TRUE(parsed.recognised);
    EXPECT_FALSE(parsed.truncated);
    EXPECT_EQ(parsed.root, sampleTree());
    EXPECT_EQ(CountBookmarkLinks(parsed.root), 5);
}

TEST(BookmarkHtml, WritesWhatItReadsBack) {
    const QByteArray text = BookmarkHtmlText(sampleTree());
    EXPECT_TRUE(text.startsWith("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"));
    EXPECT_TRUE(text.contains("<DT><A HREF=\"https://news.example/?a=1&amp;b=2\">Nachrichten "
                              "&lt;\xC3\x9C"
                              "bersicht&gt;"));
    EXPECT_TRUE(text.contains("<H3 ADD_DATE=\"1700000000\" PERSONAL_TOOLBAR_FOLDER=\"true\">"));
    EXPECT_TRUE(text.contains("Top &quot;quoted&quot; a/b"));
    const BookmarkParseResult again = ParseBookmarkHtml(text);
    EXPECT_TRUE(again.recognised);
    EXPECT_EQ(again.root, sampleTree());
    // A name with a line break cannot break the file's lines.
    const QByteArray broken = BookmarkHtmlText(folder(QString(), {linkNode("a\nb", "http://x/")}));
    EXPECT_TRUE(broken.contains(">a b</A>"));
}

TEST(BookmarkHtml, OtherEncodingsAndStrayMarkup) {
    // UTF-16 with its byte order mark.
    const QString utf16 = QString::fromUtf8(kSample);
    QByteArray bytes("\xFF\xFE", 2);
    bytes += QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    EXPECT_EQ(ParseBookmarkHtml(bytes).root, sampleTree());
    // Not UTF-8 and no charset: Latin-1.
    EXPECT_EQ(ParseBookmarkHtml("<DL><DT><A HREF=\"http://l/\">caf\xE9</A></DL>").root,
              folder(QString(), {linkNode(QString::fromUtf8("café"), "http://l/")}));
    // Unclosed items end at the next item; a stray </DL> closes nothing
    // outside the root; bad entities stay as they are.
    const BookmarkParseResult stray = ParseBookmarkHtml(
        "</DL></DL><DL><DT><A HREF=\"http://a/\">a &bogus; &#0; &#xD800; &#99999999999;"
        "<DT><H3>f<DT><A HREF=\"http://b/\">b");
    EXPECT_TRUE(stray.recognised);
    EXPECT_EQ(
        stray.root,
        folder(QString(),
               {linkNode(QString::fromUtf8("a &bogus; \uFFFD \uFFFD &#99999999999;"), "http://a/"),
                folder("f", {}), linkNode("b", "http://b/")}));
    // Text without any list or header is no bookmark file.
    EXPECT_FALSE(ParseBookmarkHtml("<html><body>Hello <a href=x>y</a></body></html>").recognised);
    EXPECT_FALSE(ParseBookmarkHtml("").recognised);
}

TEST(BookmarkHtml, HostileInputIsBounded) {
    // Folders nested far too deep are flattened, not followed.
    QByteArray deep = "<!DOCTYPE NETSCAPE-Bookmark-file-1><DL>";
    for (int i = 0; i < 5000; ++i)
        deep += "<DT><H3>f</H3><DL>";
    deep += "<DT><A HREF=\"http://deep/\">deep</A>";
    const BookmarkParseResult parsed = ParseBookmarkHtml(deep);
    EXPECT_TRUE(parsed.truncated);
    EXPECT_EQ(CountBookmarkLinks(parsed.root), 1);
    int depth = 0;
    for (const BookmarkNode* node = &parsed.root; !node->children.isEmpty();
         node = &node->children.front())
        ++depth;
    EXPECT_LE(depth, kMaxBookmarkDepth + 2);
    // Over-long names are cut, over-long addresses dropped.
    const BookmarkParseResult longOnes =
        ParseBookmarkHtml("<DL><DT><A HREF=\"http://" + QByteArray(9000, 'u') +
                          "/\">x</A><DT><A HREF=\"http://n/\">" + QByteArray(100000, 'n') + "</A>");
    ASSERT_EQ(longOnes.root.children.size(), 1);
    EXPECT_EQ(longOnes.root.children[0].name.size(), kMaxBookmarkNameLength);
    // Random damage to the sample never crashes and never loops.
    std::mt19937 rng(20261208);
    const QByteArray tokens[] = {"<DL>", "</DL>", "<DT><H3>", "</H3>",   "<A HREF=\"",
                                 "\"",   "'",     "&#x",      ";",       "<!--",
                                 "-->",  "<",     ">",        "\xF0\x9F"};
    for (int i = 0; i < 300; ++i)
        ParseBookmarkHtml(testenv::mutateBytes(kSample, rng, tokens));
}

TEST(FavoritesExchangeTest, ImportBuildsTheTreeAndExportWritesItBack) {
    const QString root = testenv::freshDir("ImportFavorites");
    ASSERT_TRUE(QDir(root).mkpath("Links"));
    // One name taken by another address, one link already present.
    ASSERT_TRUE(writeInternetShortcut(root + "/Links/Bar.url", "https://other.example/"));
    const QString news = QString::fromUtf8("新闻 & 天气");
    ASSERT_TRUE(QDir(root).mkpath(news + "/Deeper"));
    ASSERT_TRUE(
        writeInternetShortcut(root + '/' + news + "/Deeper/Deep one.url", "https://deep.example/"));

    const BookmarkParseResult parsed = ParseBookmarkHtml(kSample);
    FavoritesImportResult result = ImportBookmarksIntoFavorites(parsed.root, root);
    EXPECT_EQ(result.added, 4);
    EXPECT_EQ(result.present, 1);
    EXPECT_EQ(result.failed, 0);
    const QString top = QString::fromUtf8("Top \"quoted\" a／b");
    EXPECT_EQ(listTree(root),
              QStringList({"Links/", "Links/Bar (2).url=https://bar.example/",
                           "Links/Bar.url=https://other.example/",
                           top + ".url=https://top.example/", news + '/', news + "/Deeper/",
                           news + "/Deeper/Deep one.url=https://deep.example/",
                           news + QString::fromUtf8("/Nachrichten <Übersicht> – 中.url="
                                                    "https://news.example/?a=1&b=2"),
                           news + QString::fromUtf8("/untitled.example／path.url="
                                                    "https://untitled.example/path/")}));
    // Importing the same file again adds nothing.
    result = ImportBookmarksIntoFavorites(parsed.root, root);
    EXPECT_EQ(result.added, 0);
    EXPECT_EQ(result.present, 5);

    // Export, then import into an empty folder: the same tree.
    const BookmarkNode exported = ReadFavoritesAsBookmarks(root);
    ASSERT_EQ(exported.children.size(), 3);
    EXPECT_EQ(exported.children[0].name, "Links");
    EXPECT_TRUE(exported.children[0].toolbar);
    EXPECT_GT(exported.children[0].added, 0);
    const BookmarkParseResult reread = ParseBookmarkHtml(BookmarkHtmlText(exported));
    EXPECT_EQ(reread.root, exported);
    const QString copy = testenv::freshDir("ImportedCopy");
    EXPECT_EQ(ImportBookmarksIntoFavorites(reread.root, copy).added, 6);
    EXPECT_EQ(listTree(copy), listTree(root));
}

TEST(FavoritesExchangeTest, ExportReadsAFolderLoopOnce) {
    const QString root = testenv::freshDir("LoopFavorites");
    ASSERT_TRUE(QDir(root).mkpath("a"));
    ASSERT_TRUE(writeInternetShortcut(root + "/a/x.url", "http://x/"));
    ASSERT_TRUE(QFile::link(root, root + "/a/loop"));
    const BookmarkNode tree = ReadFavoritesAsBookmarks(root);
    EXPECT_EQ(CountBookmarkLinks(tree), 1);
}
