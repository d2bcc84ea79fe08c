#include "system/InternetShortcut.h"
#include "support/TestEnv.h"
#include "system/InternetShortcutFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <sys/stat.h>

namespace {

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(InternetShortcutParse, ReadsTheUrlOfTheShortcutSection) {
    EXPECT_EQ(parseInternetShortcut("[InternetShortcut]\nURL=http://a.example/\n"),
              "http://a.example/");
    EXPECT_EQ(parseInternetShortcut("[InternetShortcut]\r\nURL=http://a.example/x?y=1\r\n"),
              "http://a.example/x?y=1");
    EXPECT_EQ(parseInternetShortcut("\xEF\xBB\xBF[InternetShortcut]\r\nURL=http://bom/\r\n"),
              "http://bom/");
    const QString utf16 = QString::fromUtf16(u"[InternetShortcut]\r\nURL=http://宽/\r\n");
    EXPECT_EQ(
        parseInternetShortcut("\xFF\xFE" + QByteArray(reinterpret_cast<const char*>(utf16.utf16()),
                                                      utf16.size() * 2)),
        QString::fromUtf16(u"http://宽/"));
    // Names ignore case and blanks; the last line needs no line end.
    EXPECT_EQ(parseInternetShortcut("  [ internetshortcut ]  \n  url = http://c/ "), "http://c/");
    EXPECT_EQ(parseInternetShortcut(
                  QString::fromUtf16(u"[InternetShortcut]\nURL=http://例子.中国/页\n").toUtf8()),
              QString::fromUtf16(u"http://例子.中国/页"));
}

TEST(InternetShortcutParse, OtherSectionsAndKeysDoNotCount) {
    const QByteArray content = "URL=http://outside/\r\n"
                               "[DEFAULT]\r\nBASEURL=http://base/\r\nURL=http://default/\r\n"
                               "[InternetShortcut]\r\nIconIndex=0\r\nURLX=http://no/\r\n"
                               "URL=http://first/\r\nURL=http://second/\r\n"
                               "[Other]\r\nURL=http://other/\r\n";
    EXPECT_EQ(parseInternetShortcut(content), "http://first/");
    EXPECT_EQ(parseInternetShortcut("[Other]\nURL=http://other/\n"), std::nullopt);
    EXPECT_EQ(parseInternetShortcut("[InternetShortcut]\nURL=\n"), std::nullopt);
    EXPECT_EQ(parseInternetShortcut(""), std::nullopt);
}

TEST(InternetShortcutParse, JunkIsSkippedAndSizeIsBounded) {
    // A line with a NUL byte or invalid UTF-8 is skipped, the rest still read.
    QByteArray junk("[InternetShortcut]\n\xff\xfe\x00\x01URL=http://junk/\nURL=http://ok/\n", 55);
    EXPECT_EQ(parseInternetShortcut(junk), "http://ok/");
    EXPECT_EQ(parseInternetShortcut("[InternetShortcut]\nURL=http://\xc3\x28/\n"), std::nullopt);
    // An over-long line is skipped.
    EXPECT_EQ(parseInternetShortcut("[InternetShortcut]\nURL=http://" + QByteArray(9000, 'a') +
                                    "\nURL=http://short/\n"),
              "http://short/");
    // Past 64 KiB nothing is read, even with a good URL up front.
    QByteArray big = "[InternetShortcut]\nURL=http://big/\n";
    big.append(QByteArray(kMaxInternetShortcutSize, ';'));
    EXPECT_EQ(parseInternetShortcut(big), std::nullopt);

    // Random bytes never crash the reader.
    QRandomGenerator random(20240601);
    for (int round = 0; round < 500; ++round) {
        QByteArray bytes(static_cast<int>(random.bounded(600)), '\0');
        for (char& c : bytes)
            c = static_cast<char>(random.bounded(256));
        if (round % 2)
            bytes.prepend("[InternetShortcut]\nURL=");
        const auto url = parseInternetShortcut(bytes);
        if (url) {
            EXPECT_FALSE(url->isEmpty());
        }
    }
}

TEST(InternetShortcutFile, ReadsRegularFilesOnly) {
    const QString dir = testenv::freshDir("url");
    QString error;
    EXPECT_EQ(readInternetShortcut(dir + "/missing.url", &error), std::nullopt);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readInternetShortcut(dir, &error), std::nullopt);

    // A pipe would block a plain read: it is refused without opening it.
    const QString fifo = dir + "/pipe.url";
    ASSERT_EQ(::mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    EXPECT_EQ(readInternetShortcut(fifo, &error), std::nullopt);

    writeBytes(dir + "/big.url",
               "[InternetShortcut]\nURL=http://big/\n" + QByteArray(kMaxInternetShortcutSize, ' '));
    error.clear();
    EXPECT_EQ(readInternetShortcut(dir + "/big.url", &error), std::nullopt);
    EXPECT_TRUE(error.contains("65536")) << error.toStdString();

    writeBytes(dir + "/ok.url", "[InternetShortcut]\r\nURL=http://ok/\r\n");
    EXPECT_EQ(readInternetShortcut(dir + "/ok.url"), "http://ok/");
}

TEST(InternetShortcutFile, WrittenShortcutsReadBack) {
    const QString path = testenv::freshDir("url") + "/Example.url";
    ASSERT_TRUE(writeInternetShortcut(path, "http://example.org/a b?q=%20&x=1"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "[InternetShortcut]\r\nURL=http://example.org/a b?q=%20&x=1\r\n");
    EXPECT_EQ(readInternetShortcut(path), "http://example.org/a b?q=%20&x=1");

    // A URL that would break into a second line is refused, the old file kept.
    QString error;
    EXPECT_FALSE(writeInternetShortcut(path, "http://a/\r\n[Other]", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(writeInternetShortcut(path, ""));
    EXPECT_EQ(readInternetShortcut(path), "http://example.org/a b?q=%20&x=1");
    EXPECT_FALSE(writeInternetShortcut(testenv::root() + "/no/such/dir/x.url", "http://x/"));
}

TEST(InternetShortcutFolder, ListsReadableShortcutsByNameIgnoringCase) {
    const QString dir = testenv::freshDir("links");
    auto shortcut = [&](const QString& name, const QByteArray& url) {
        writeBytes(dir + "/" + name, "[InternetShortcut]\r\nURL=" + url + "\r\n");
    };
    shortcut("beta.url", "http://b/");
    shortcut("Alpha.url", "http://a/");
    shortcut("alpha.URL", "http://a2/");
    shortcut("gamma.v2.url", "http://g/");
    shortcut("notes.txt", "http://txt/");
    shortcut(".hidden.url", "http://h/");
    writeBytes(dir + "/Broken.url", "no shortcut here");
    QDir(dir).mkdir("folder.url");

    const std::vector<InternetShortcutEntry> expected = {{"Alpha", "http://a/"},
                                                         {"alpha", "http://a2/"},
                                                         {"beta", "http://b/"},
                                                         {"gamma.v2", "http://g/"}};
    EXPECT_EQ(listInternetShortcuts(dir), expected);
    EXPECT_EQ(listInternetShortcuts(dir, 2),
              (std::vector<InternetShortcutEntry>(expected.begin(), expected.begin() + 2)));
    EXPECT_TRUE(listInternetShortcuts(dir + "/missing").empty());
    EXPECT_TRUE(listInternetShortcuts(QString()).empty());
}
