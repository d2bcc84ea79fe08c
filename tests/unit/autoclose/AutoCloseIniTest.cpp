#include "browser/AutoCloseIni.h"
#include "app/RegStringList.h"
#include "platform/ini/IniTextReader.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include <chrono>

using platform::IniReadStatus;
using platform::IniWriteStatus;

namespace {

QString writeFile(const QByteArray& bytes) {
    return testenv::writeTestFile(QStringLiteral("AutoClose.ini"), bytes);
}

QByteArray contentOf(const QString& path) { return testenv::readTestFile(path); }

} // namespace

TEST(AutoCloseIniTest, ExportWritesTheHeaderAndOneAddressLinePerEntry) {
    const QStringList list = {"!http://ads.example/*", QStringLiteral("http://例子.cn/a=b")};
    const QByteArray expected =
        QStringLiteral(
            ";AutoClost List\r\nAddress=!http://ads.example/*\r\nAddress=http://例子.cn/a=b")
            .toUtf8();
    EXPECT_EQ(AutoCloseIniBytes(list), expected);
    const QString path = testenv::freshDir("ac-export") + "/out.ini";
    ASSERT_EQ(WriteAutoCloseIni(path, list), IniWriteStatus::Ok);
    EXPECT_EQ(contentOf(path), expected);
    // Empty entries are written as they are stored.
    EXPECT_EQ(AutoCloseIniBytes({"", "x"}), QByteArray(";AutoClost List\r\nAddress=\r\nAddress=x"));
}

TEST(AutoCloseIniTest, AnEmptyListWritesNoFile) {
    const QString path = testenv::freshDir("ac-empty") + "/out.ini";
    EXPECT_EQ(WriteAutoCloseIni(path, {}), IniWriteStatus::NothingToWrite);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(WriteAutoCloseIni(testenv::root() + "/no/folder/x.ini", {"a"}),
              IniWriteStatus::CannotOpen);
}

TEST(AutoCloseIniTest, ImportTakesTheValueOfEveryKeyLine) {
    const QString path = writeFile(";AutoClost List\r\n"
                                   "[Section]\r\n"
                                   "Address=http://a/*\r\n"
                                   "Other = !http://b/ \r\n"
                                   "=http://never/\r\n"
                                   "no equals sign\r\n"
                                   "  ;Address=commented\r\n"
                                   "Empty=\r\n"
                                   "Address=x=y");
    QStringList list = {"http://a/*"};
    const platform::IniImportResult result = ReadAutoCloseIni(path, &list);
    EXPECT_EQ(result.status, IniReadStatus::Ok);
    EXPECT_EQ(result.count, 4);
    EXPECT_FALSE(result.listFull);
    // Appended without a duplicate check; the value is not trimmed again.
    EXPECT_EQ(list, QStringList({"http://a/*", "http://a/*", " !http://b/", "", "x=y"}));
}

TEST(AutoCloseIniTest, ExportThenImportGivesTheSameList) {
    const QStringList list = {
        "!http://a/*", QStringLiteral("http://新闻/?q=1&r=2"), "*", "a*b", ";semicolon", "[x]"};
    const QString path = testenv::freshDir("ac-round") + "/round.ini";
    ASSERT_EQ(WriteAutoCloseIni(path, list), IniWriteStatus::Ok);
    QStringList back;
    EXPECT_EQ(ReadAutoCloseIni(path, &back).count, list.size());
    EXPECT_EQ(back, list);
}

TEST(AutoCloseIniTest, LineBreaksInsideEntriesCannotForgeEntries) {
    platform::IniTextReader reader;
    ASSERT_EQ(reader.setContent(AutoCloseIniBytes({"http://a/\r\nAddress=*"})), IniReadStatus::Ok);
    QStringList back;
    ParseAutoCloseIni(reader, &back);
    EXPECT_EQ(back, QStringList({"http://a/  Address=*"}));
}

TEST(AutoCloseIniTest, UnreadableFilesChangeNothing) {
    QStringList list = {"keep"};
    EXPECT_EQ(ReadAutoCloseIni(testenv::root() + "/missing.ini", &list).status,
              IniReadStatus::CannotOpen);
    EXPECT_EQ(ReadAutoCloseIni(writeFile(QByteArray("Address=a\n\0\xFF", 13)), &list).status,
              IniReadStatus::NotText);
    EXPECT_EQ(ReadAutoCloseIni(writeFile(QByteArray(5 * 1024 * 1024, '=')), &list).status,
              IniReadStatus::TooLarge);
    EXPECT_EQ(list, QStringList({"keep"}));
}

TEST(AutoCloseIniTest, OverlongLinesAreSkippedAndTheRestImported) {
    const QByteArray file = "Address=a\n" + QByteArray("Address=") +
                            QByteArray(platform::kMaxIniLineLength, 'x') + "\nAddress=b";
    QStringList list;
    const platform::IniImportResult result = ReadAutoCloseIni(writeFile(file), &list);
    EXPECT_EQ(result.count, 2);
    EXPECT_EQ(list, QStringList({"a", "b"}));
}

TEST(AutoCloseIniTest, AFileFullOfEntriesFillsTheListOnlyToWhatALoadReadsBack) {
    // The largest file accepted, made of the shortest entry lines.
    QByteArray file = QByteArray("a=\n").repeated(int(platform::kMaxIniFileSize / 3));
    QStringList list = {"existing"};
    const auto started = std::chrono::steady_clock::now();
    const platform::IniImportResult result = ReadAutoCloseIni(writeFile(file), &list);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(10));
    EXPECT_EQ(result.status, IniReadStatus::Ok);
    EXPECT_TRUE(result.listFull);
    EXPECT_EQ(result.count, kMaxStringListValues - 1);
    EXPECT_EQ(list.size(), kMaxStringListValues);
}
