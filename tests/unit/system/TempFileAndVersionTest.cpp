#include "system/ProgramVersion.h"
#include "system/TempFileName.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <cstdlib>

TEST(TempFileName, FreshNamesInTheTempFolderWithTheGivenExtension) {
    QSet<QString> seen;
    for (int i = 0; i < 50; ++i) {
        const QString name = makeTempFileName(".url");
        ASSERT_FALSE(name.isEmpty());
        const QFileInfo info(name);
        EXPECT_EQ(info.absolutePath(), QDir(QDir::tempPath()).absolutePath());
        EXPECT_TRUE(info.fileName().startsWith("QRA")) << name.toStdString();
        EXPECT_TRUE(name.endsWith(".url")) << name.toStdString();
        EXPECT_GT(info.fileName().size(), QString("QRA.url").size() + 4);
        EXPECT_FALSE(info.exists()) << "the probe file is deleted at once";
        seen.insert(name);
    }
    EXPECT_EQ(seen.size(), 50);
    EXPECT_TRUE(makeTempFileName().endsWith(".tmp"));
    EXPECT_TRUE(makeTempFileName("htm").endsWith(".htm"));
}

TEST(TempFileName, UnusableExtensionsAndFoldersGiveAnEmptyName) {
    EXPECT_EQ(makeTempFileName("/../../etc/x"), QString());
    EXPECT_EQ(makeTempFileName(".u\nrl"), QString());
    EXPECT_EQ(makeTempFileName(QString(100, u'x')), QString());

    const QByteArray old = qgetenv("TMPDIR");
    ::setenv("TMPDIR", "/nonexistent/quorrelin-no-such-dir", 1);
    const QString name = makeTempFileName(".ini");
    ::setenv("TMPDIR", old.constData(), 1);
    if (old.isEmpty())
        ::unsetenv("TMPDIR");
    EXPECT_EQ(name, QString());
}

TEST(ProgramVersion, TwoDigitMinorFiveBlanksAndTheCharacterSetMark) {
    EXPECT_EQ(programVersionText(2, 3), QString::fromUtf8("版本 2.03      (UNICODE)"));
    EXPECT_EQ(programVersionText(10, 45), QString::fromUtf8("版本 10.45      (UNICODE)"));
    EXPECT_TRUE(programVersionText().startsWith(QString::fromUtf8("版本 ")));
    EXPECT_TRUE(programVersionText().endsWith("      (UNICODE)"));
}
