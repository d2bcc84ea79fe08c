#include "explorerbar/FolderListing.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

void touch(const QString& path) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

QStringList names(const QStringList& paths) {
    QStringList result;
    for (const QString& path : paths)
        result << QFileInfo(path).fileName();
    return result;
}

} // namespace

TEST(FolderListingTest, FilterTextBecomesPatterns) {
    EXPECT_EQ(FolderFilterPatterns("*.htm;*.html;*.txt"),
              QStringList({"*.htm", "*.html", "*.txt"}));
    EXPECT_EQ(FolderFilterPatterns(" *.htm ; ;*.txt;"), QStringList({"*.htm", "*.txt"}));
    // "*.*" and an empty filter match files without an extension too.
    EXPECT_EQ(FolderFilterPatterns("*.*"), QStringList({"*"}));
    EXPECT_EQ(FolderFilterPatterns(" ; "), QStringList({"*"}));
}

TEST(FolderListingTest, FoldersThenMatchingFilesByNameWithoutHiddenOnes) {
    const QDir dir(testenv::freshDir("listing"));
    dir.mkpath("beta");
    dir.mkpath("Alpha");
    dir.mkpath(".hidden");
    for (const char* name : {"b.HTML", "a.htm", "notes.txt", "image.png", "README", ".secret.htm"})
        touch(dir.filePath(name));

    const FolderListing web = ListFolder(dir.path(), FolderFilterPatterns("*.htm;*.html;*.txt"));
    EXPECT_EQ(names(web.folders), QStringList({"Alpha", "beta"}));
    EXPECT_EQ(names(web.files), QStringList({"a.htm", "b.HTML", "notes.txt"}));
    EXPECT_FALSE(web.truncated);

    const FolderListing all = ListFolder(dir.path(), FolderFilterPatterns("*.*"));
    EXPECT_EQ(names(all.files), QStringList({"a.htm", "b.HTML", "image.png", "notes.txt", "README"}));

    const FolderListing cut = ListFolder(dir.path(), FolderFilterPatterns("*.*"), 3);
    EXPECT_EQ(names(cut.folders), QStringList({"Alpha", "beta"}));
    EXPECT_EQ(names(cut.files), QStringList({"a.htm"}));
    EXPECT_TRUE(cut.truncated);

    EXPECT_TRUE(ListFolder(dir.filePath("missing"), {"*"}).files.isEmpty());
}
