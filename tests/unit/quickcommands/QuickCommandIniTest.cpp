#include "quickcommands/QuickCommandIni.h"
#include "platform/ini/IniTextReader.h"
#include "quickcommands/QuickCommandStore.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QFile>

#include <limits>

using platform::IniReadStatus;
using platform::IniWriteStatus;

namespace {

QString writeFile(const QByteArray& bytes) {
    return testenv::writeTestFile(QStringLiteral("QuickCommands.ini"), bytes);
}

QByteArray contentOf(const QString& path) { return testenv::readTestFile(path); }

QList<QuickCommand> parse(const QByteArray& bytes, platform::IniImportResult* result = nullptr) {
    platform::IniTextReader reader;
    EXPECT_EQ(reader.setContent(bytes), IniReadStatus::Ok);
    QList<QuickCommand> commands;
    const platform::IniImportResult parsed = ParseQuickCommandIni(reader, &commands);
    EXPECT_EQ(parsed.count, commands.size());
    if (result)
        *result = parsed;
    return commands;
}

const QList<QuickCommand> kTwo = {
    {1, QStringLiteral("Google 搜索"), "gs", "http://www.google.com/search?q=%s"},
    {0, QStringLiteral("新闻"), "cnn", "http://cnn.com/"},
};

} // namespace

TEST(QuickCommandIniTest, ExportWritesTheExactLayout) {
    const QString expected = QStringLiteral(
        ";QuickCommands\r\n"
        "\r\n[Google 搜索]\r\nCommand=gs\r\nType=1\r\nURL=http://www.google.com/search?q=%s\r\n"
        "\r\n[新闻]\r\nCommand=cnn\r\nType=0\r\nURL=http://cnn.com/");
    EXPECT_EQ(QuickCommandIniBytes(kTwo), expected.toUtf8());

    const QString path = testenv::freshDir("qc-export") + "/out.ini";
    ASSERT_EQ(WriteQuickCommandIni(path, kTwo), IniWriteStatus::Ok);
    EXPECT_EQ(contentOf(path), expected.toUtf8());
    EXPECT_EQ(QuickCommandIniBytes({{-5, "t", "c", ""}}),
              QByteArray(";QuickCommands\r\n\r\n[t]\r\nCommand=c\r\nType=-5\r\nURL="));
}

TEST(QuickCommandIniTest, AnEmptyListWritesNoFile) {
    const QString path = testenv::freshDir("qc-empty") + "/out.ini";
    EXPECT_EQ(WriteQuickCommandIni(path, {}), IniWriteStatus::NothingToWrite);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(WriteQuickCommandIni(testenv::root() + "/no/folder/out.ini", kTwo),
              IniWriteStatus::CannotOpen);
}

TEST(QuickCommandIniTest, ImportFollowsTheLineRules) {
    const QByteArray file = ";QuickCommands\r\n"
                            "Command=before any section\r\n"
                            "[unclosed section\r\n"
                            "\r\n"
                            "  [First]  \r\n"
                            "Command = gs\r\n" // the key with its blank is no key
                            "COMMAND=gs\r\n"
                            "type=1xyz\r\n"
                            "Url=http://a/?q=%s = x \r\n"
                            "Other=ignored\r\n"
                            "=no key\r\n"
                            "[Second]extra\r\n" // the title loses only its first and last character
                            "Type=junk\r\n"
                            "[Third]\n"
                            "Type=99999999999\n"
                            "Command=\n"
                            "[Fourth]\r"
                            "Type=  -3";
    platform::IniImportResult result;
    const QList<QuickCommand> commands = parse(file, &result);
    ASSERT_EQ(commands.size(), 4);
    EXPECT_EQ(result.count, 4);
    EXPECT_FALSE(result.listFull);
    EXPECT_EQ(commands[0], (QuickCommand{1, "First", "gs", "http://a/?q=%s = x"}));
    EXPECT_EQ(commands[1], (QuickCommand{0, "Second]extr", "", ""}));
    EXPECT_EQ(commands[2].Type, std::numeric_limits<int>::max());
    EXPECT_EQ(commands[3].Type, -3);
}

TEST(QuickCommandIniTest, RecordsWithoutTitleAreLeftOut) {
    // The registry list ends at a record without title, so importing one
    // would lose it and every record after it at the next start.
    const QList<QuickCommand> commands = parse("[]\nCommand=lost\nURL=x\n[Kept]\nCommand=k\nURL=y");
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].Title, "Kept");
}

TEST(QuickCommandIniTest, ImportAppendsWithoutDuplicateCheck) {
    const QString path = writeFile(QuickCommandIniBytes(kTwo));
    QList<QuickCommand> commands = kTwo;
    const platform::IniImportResult result = ReadQuickCommandIni(path, &commands);
    EXPECT_EQ(result.status, IniReadStatus::Ok);
    EXPECT_EQ(result.count, 2);
    EXPECT_EQ(commands, kTwo + kTwo);
}

TEST(QuickCommandIniTest, ExportThenImportGivesTheSameList) {
    const QList<QuickCommand> list = {
        {1, QStringLiteral("百度 [1]"), QStringLiteral("bd"),
         QStringLiteral("http://b/s?wd=%s&ie=utf-8")},
        {0, "[brackets]", "x=y", "=starts with equals"},
        {42, "; not a comment", ";c", ""},
        {0, QStringLiteral("emoji \U0001F600"), "e", QStringLiteral("http://e/\u00E9")},
    };
    const QString path = testenv::freshDir("qc-round") + "/round.ini";
    ASSERT_EQ(WriteQuickCommandIni(path, list), IniWriteStatus::Ok);
    QList<QuickCommand> back;
    EXPECT_EQ(ReadQuickCommandIni(path, &back).count, 4);
    EXPECT_EQ(back, list);
}

TEST(QuickCommandIniTest, LineBreaksInsideTextsCannotForgeRecords) {
    const QList<QuickCommand> list = {
        {0, "two\r\n[lines]", "c", "http://a/\nCommand=evil"},
    };
    const QList<QuickCommand> back = parse(QuickCommandIniBytes(list));
    ASSERT_EQ(back.size(), 1);
    EXPECT_EQ(back[0], (QuickCommand{0, "two  [lines]", "c", "http://a/ Command=evil"}));
}

TEST(QuickCommandIniTest, LongTextsAreCutSoTheyLoadAgainFromTheRegistry) {
    testenv::useFreshRegistry();
    // The cut falls in the middle of a surrogate pair for the title.
    const QString title =
        QString(kQuickCommandTitleMaxLength - 1, u'T') + QStringLiteral("\U0001F600");
    const QByteArray file = "[" + title.toUtf8() + "]\nCommand=" + QByteArray(100, 'c') +
                            "\nURL=" + QByteArray(kQuickCommandUrlMaxLength + 10, 'u');
    const QList<QuickCommand> commands = parse(file);
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].Title, QString(kQuickCommandTitleMaxLength - 1, u'T'));
    EXPECT_EQ(commands[0].Command.size(), kQuickCommandCommandMaxLength);
    EXPECT_EQ(commands[0].URL.size(), kQuickCommandUrlMaxLength);

    ASSERT_EQ(SaveQuickCommands(commands), platform::ERROR_SUCCESS);
    QList<QuickCommand> loaded;
    LoadQuickCommands(&loaded);
    EXPECT_EQ(loaded, commands);
}

TEST(QuickCommandIniTest, ImportStopsAtTheMostTheRegistryLoads) {
    QList<QuickCommand> commands(kMaxQuickCommands - 1, QuickCommand{0, "t", "c", "u"});
    platform::IniTextReader reader;
    ASSERT_EQ(reader.setContent("[a]\n[b]\n[c]"), IniReadStatus::Ok);
    const platform::IniImportResult result = ParseQuickCommandIni(reader, &commands);
    EXPECT_EQ(result.count, 1);
    EXPECT_TRUE(result.listFull);
    EXPECT_EQ(commands.size(), kMaxQuickCommands);
    EXPECT_EQ(commands.back().Title, "a");
}

TEST(QuickCommandIniTest, UnreadableFilesChangeNothing) {
    QList<QuickCommand> commands = kTwo;
    EXPECT_EQ(ReadQuickCommandIni(testenv::root() + "/missing.ini", &commands).status,
              IniReadStatus::CannotOpen);
    const QString binary = writeFile(QByteArray("[x]\nCommand=a\0\1\2", 16));
    EXPECT_EQ(ReadQuickCommandIni(binary, &commands).status, IniReadStatus::NotText);
    const QString huge = writeFile(QByteArray("[x]\nCommand=a\n").repeated(400000));
    const platform::IniImportResult tooLarge = ReadQuickCommandIni(huge, &commands);
    EXPECT_EQ(tooLarge.status, IniReadStatus::TooLarge);
    EXPECT_EQ(tooLarge.count, 0);
    EXPECT_EQ(commands, kTwo);
}

TEST(QuickCommandIniTest, Latin1FilesImportAsLatin1) {
    const QList<QuickCommand> commands = parse("[Caf\xE9]\nCommand=c\nURL=http://x/\xE9");
    ASSERT_EQ(commands.size(), 1);
    EXPECT_EQ(commands[0].Title, QStringLiteral("Caf\u00E9"));
    EXPECT_EQ(commands[0].URL, QStringLiteral("http://x/\u00E9"));
}
