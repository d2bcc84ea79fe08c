#include "platform/ini/IniTextWriter.h"
#include "platform/ini/IniTextReader.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

using namespace platform;

namespace {

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

TEST(IniTextWriterTest, EncodesLineFeedsAsCrLfInUtf8WithoutMark) {
    EXPECT_EQ(encodeIniText(QStringLiteral(";Head\n\n[新]\nk=v")),
              QByteArray(";Head\r\n\r\n[\xE6\x96\xB0]\r\nk=v"));
}

TEST(IniTextWriterTest, LineTextCannotBreakItsLine) {
    EXPECT_EQ(iniLineText(QString("a\r\nb\nc") + QChar(0) + "d"), "a  b cd");
    EXPECT_EQ(iniLineText("plain * ! = [x]"), "plain * ! = [x]");
}

TEST(IniTextWriterTest, ReplacesTheFileWhole) {
    const QString path = testenv::freshDir("writer") + "/list.ini";
    ASSERT_TRUE(writeIniFile(path, "a much longer first content\r\n"));
    ASSERT_TRUE(writeIniFile(path, "short"));
    EXPECT_EQ(contentOf(path), "short");
    // Nothing but the file is left in the folder.
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::Files), QStringList({"list.ini"}));
}

TEST(IniTextWriterTest, AFileThatCannotBeCreatedFails) {
    const QString dir = testenv::freshDir("writer-fail");
    EXPECT_FALSE(writeIniFile(dir + "/no/such/folder/list.ini", "x"));
    EXPECT_FALSE(writeIniFile(dir, "x")); // a folder
    EXPECT_FALSE(writeIniFile(QString(), "x"));
    EXPECT_TRUE(QFileInfo(dir).isDir());
}

TEST(IniTextWriterTest, WhatIsWrittenReadsBackTheSame) {
    const QString text = QStringLiteral(";Head\n\nk=新闻 \u00E9 \U0001F600");
    const QString path = testenv::freshDir("writer-back") + "/x.ini";
    ASSERT_TRUE(writeIniFile(path, encodeIniText(text)));
    IniTextReader reader;
    ASSERT_EQ(reader.open(path), IniReadStatus::Ok);
    QString line;
    ASSERT_TRUE(reader.nextLine(&line));
    EXPECT_EQ(line, QStringLiteral("k=新闻 \u00E9 \U0001F600"));
}
