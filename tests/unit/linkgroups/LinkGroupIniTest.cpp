#include "linkgroups/LinkGroupIni.h"
#include "platform/ini/IniTextReader.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

using platform::IniReadStatus;
using platform::IniWriteStatus;

namespace {

QList<LinkGroup> parse(const QByteArray& bytes) {
    platform::IniTextReader reader;
    EXPECT_EQ(reader.setContent(bytes), IniReadStatus::Ok);
    return ParseLinkGroupIni(reader);
}

LinkGroup separator() { return LinkGroup{"-", 0, 1, {}}; }

const QList<LinkGroup> kGroups = {
    LinkGroup{"新闻", 1, 0, {{"CNN", "http://cnn.com/"}, {"BBC", "http://bbc.co.uk/?a=b"}}},
    LinkGroup{"-", 0, 1, {{"kept in memory only", "http://x/"}}},
    LinkGroup{"Empty", 0, 0, {}},
};

} // namespace

TEST(LinkGroupIniTest, ExportIsByteExactAndImportsBackTheSameGroups) {
    const QByteArray bytes = LinkGroupIniBytes(kGroups);
    EXPECT_EQ(bytes, QByteArray(";LinkGroups\r\n\r\n[新闻]\r\nCNN=http://cnn.com/\r\n"
                                "BBC=http://bbc.co.uk/?a=b\r\n\r\n[-]\r\n\r\n[Empty]"));
    const QString path = testenv::writeTestFile("LinkGroups.ini", {});
    ASSERT_EQ(WriteLinkGroupIni(path, kGroups), IniWriteStatus::Ok);
    EXPECT_EQ(testenv::readTestFile(path), bytes);

    QList<LinkGroup> parsed;
    ASSERT_EQ(ReadLinkGroupIni(path, &parsed), IniReadStatus::Ok);
    // Startup is not exchanged; a separator comes back as one, without links.
    QList<LinkGroup> expected = kGroups;
    expected[0].Startup = 0;
    expected[1].Links.clear();
    EXPECT_EQ(parsed, expected);
    // Exporting the imported groups gives the same file again.
    EXPECT_EQ(LinkGroupIniBytes(parsed), bytes);
}

TEST(LinkGroupIniTest, OnlySelectedGroupsAreWrittenAndNoSelectionWritesNoFile) {
    EXPECT_EQ(LinkGroupIniBytes(kGroups, {false, false, true}),
              QByteArray(";LinkGroups\r\n\r\n[Empty]"));
    const QString path = testenv::writeTestFile("old.ini", "old");
    EXPECT_EQ(WriteLinkGroupIni(path, kGroups, {false, false, false}),
              IniWriteStatus::NothingToWrite);
    EXPECT_EQ(testenv::readTestFile(path), "old");
    EXPECT_EQ(WriteLinkGroupIni("/nonexistent-folder/x.ini", kGroups), IniWriteStatus::CannotOpen);
}

TEST(LinkGroupIniTest, ParserEdgeCases) {
    const QList<LinkGroup> groups = parse("ignored=before any group\n"
                                          "  [a]b]  \n"
                                          "=no name\n"
                                          "empty url=\n"
                                          " name = http://u/ \n"
                                          "[no closing bracket\n"
                                          "; comment=x\n"
                                          "no equals sign\n"
                                          "[-]\n"
                                          "[-]\n"
                                          "x=http://x/\n");
    ASSERT_EQ(groups.size(), 3);
    EXPECT_EQ(groups[0].Name, "a]b"); // the last "]" closes the name
    // Lines are trimmed, the parts around "=" are not trimmed again.
    EXPECT_EQ(groups[0].Links, QList<LinkGroupLink>({{"empty url", ""}, {"name ", " http://u/"}}));
    EXPECT_EQ(groups[1], separator());
    // A "-" group with links is an ordinary group.
    EXPECT_EQ(groups[2], (LinkGroup{"-", 0, 0, {{"x", "http://x/"}}}));
    EXPECT_TRUE(parse("").isEmpty());
    EXPECT_TRUE(parse(";LinkGroups\r\nname=http://x/").isEmpty());
}

TEST(LinkGroupIniTest, LineBreaksInsideTextsCannotForgeRecords) {
    const QList<LinkGroup> hostile = {
        LinkGroup{"a\r\n[forged]", 0, 0, {{"n\nforged", "http://x/\r\nevil=http://evil/"}}}};
    const QList<LinkGroup> back = parse(LinkGroupIniBytes(hostile));
    ASSERT_EQ(back.size(), 1);
    ASSERT_EQ(back[0].Links.size(), 1);
    EXPECT_EQ(back[0].Links[0].URL, "http://x/  evil=http://evil/");
}

TEST(LinkGroupIniTest, ImportModesNameClashesAndTheLeadingSeparator) {
    const QList<LinkGroup> start = {LinkGroup{"news"}, LinkGroup{"News [1]"}};
    const QList<LinkGroup> parsed = {LinkGroup{"News", 0, 0, {{"a", "http://a/"}}}, separator()};

    QList<LinkGroup> groups = start;
    LinkGroupImportResult result =
        ImportLinkGroups(&groups, parsed, {}, true, LinkGroupImportNameMode::Numbered);
    EXPECT_EQ(result.count, 2); // the leading separator is not counted
    ASSERT_EQ(groups.size(), 5);
    EXPECT_EQ(groups[2], separator());
    EXPECT_EQ(groups[3].Name, "News [2]");
    EXPECT_EQ(groups[4], separator());

    groups = start;
    ImportLinkGroups(&groups, parsed, {true, false}, false, LinkGroupImportNameMode::SameName);
    EXPECT_EQ(groups.last().Name, "News");
    EXPECT_EQ(groups.size(), 3);

    groups = start;
    result = ImportLinkGroups(&groups, parsed, {true, false}, false,
                              LinkGroupImportNameMode::AddToExisting);
    EXPECT_EQ(result.count, 1);
    ASSERT_EQ(groups.size(), 2);
    EXPECT_EQ(groups[0].Links.size(), 1);

    // Into an empty list no separator is put first.
    groups.clear();
    ImportLinkGroups(&groups, parsed, {true, false}, true, LinkGroupImportNameMode::Numbered);
    EXPECT_EQ(groups.size(), 1);
}

TEST(LinkGroupIniTest, ImportStopsAtTheGroupLimit) {
    QList<LinkGroup> groups;
    for (int i = 0; i < MaxLinkGroups - 2; ++i)
        groups.append(LinkGroup{QString::number(i)});
    const QList<LinkGroup> parsed = {LinkGroup{"a"}, LinkGroup{"b"}, LinkGroup{"c"}};
    const LinkGroupImportResult result =
        ImportLinkGroups(&groups, parsed, {}, true, LinkGroupImportNameMode::Numbered);
    EXPECT_TRUE(result.listFull);
    EXPECT_EQ(result.count, 1); // the separator and "a" fit
    EXPECT_EQ(groups.size(), MaxLinkGroups);
    EXPECT_EQ(groups.last().Name, "a");
}

TEST(LinkGroupIniTest, UnreadableFilesImportNothing) {
    QList<LinkGroup> parsed = {LinkGroup{"stale"}};
    EXPECT_EQ(ReadLinkGroupIni("/nonexistent/file.ini", &parsed), IniReadStatus::CannotOpen);
    EXPECT_TRUE(parsed.isEmpty());
    const QString binary = testenv::writeTestFile("bin.ini", QByteArray("[a]\0x=y", 7));
    EXPECT_EQ(ReadLinkGroupIni(binary, &parsed), IniReadStatus::NotText);
    EXPECT_TRUE(parsed.isEmpty());
}
