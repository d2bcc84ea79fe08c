#include "platform/ini/IniTextReader.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QStringList>

#include <chrono>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

using platform::IniReadStatus;
using platform::IniTextReader;
using platform::kMaxIniFileSize;
using platform::kMaxIniLineLength;

namespace {

QStringList linesOf(IniTextReader& reader) {
    QStringList lines;
    QString line;
    while (reader.nextLine(&line))
        lines.append(line);
    return lines;
}

QStringList linesOf(const QByteArray& bytes, IniReadStatus expected = IniReadStatus::Ok) {
    IniTextReader reader;
    EXPECT_EQ(reader.setContent(bytes), expected);
    return linesOf(reader);
}

QString writeFile(const QString& name, const QByteArray& bytes) {
    const QString path = testenv::freshDir("ini") + u'/' + name;
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(IniTextReaderTest, GivesTrimmedLinesWithoutBlanksAndComments) {
    const QByteArray text = "  ;comment\r\n\r\n \tKey = value \t\r\n[Section]\n;\n   \nlast";
    EXPECT_EQ(linesOf(text), QStringList({"Key = value", "[Section]", "last"}));
}

TEST(IniTextReaderTest, EveryKindOfLineEndEndsALine) {
    EXPECT_EQ(linesOf("a\r\nb\nc\rd\r\r\ne\n\rf"), QStringList({"a", "b", "c", "d", "e", "f"}));
}

TEST(IniTextReaderTest, DecodesUtf8Utf16AndFallsBackToLatin1) {
    const QString chinese = QStringLiteral("名称=新闻");
    EXPECT_EQ(linesOf(chinese.toUtf8()), QStringList({chinese}));
    EXPECT_EQ(linesOf("\xEF\xBB\xBF" + chinese.toUtf8()), QStringList({chinese}));

    QByteArray utf16("\xFF\xFE");
    const QString text = chinese + QStringLiteral("\r\nb=2");
    utf16.append(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    EXPECT_EQ(linesOf(utf16), QStringList({chinese, "b=2"}));

    // One byte that is not UTF-8 makes the whole file Latin-1.
    EXPECT_EQ(linesOf("a=caf\xE9\nb=\xC3\xA9"),
              QStringList({QStringLiteral("a=caf\u00E9"), QStringLiteral("b=\u00C3\u00A9")}));
}

TEST(IniTextReaderTest, BrokenTextDecodesWithoutRefusal) {
    // A UTF-8 mark before invalid bytes, and UTF-16 with a lone surrogate and
    // an odd last byte: replacement characters, never a failure.
    EXPECT_EQ(linesOf("\xEF\xBB\xBF"
                      "a=\xFF\xFE\xC3")
                  .size(),
              1);
    EXPECT_EQ(linesOf(QByteArray("\xFF\xFE"
                                 "a\0=\0\x00\xD8x\0y",
                                 11))
                  .size(),
              1);
}

TEST(IniTextReaderTest, BinaryContentIsRefusedWhole) {
    EXPECT_TRUE(linesOf(QByteArray("a=1\n\0b=2", 8), IniReadStatus::NotText).isEmpty());
    // UTF-16 without its byte order mark is binary to this reader.
    EXPECT_TRUE(linesOf(QByteArray("a\0=\0"
                                   "1\0",
                                   6),
                        IniReadStatus::NotText)
                    .isEmpty());
    EXPECT_TRUE(linesOf(QByteArray("\xFF\xFE"
                                   "a\0\0\0",
                                   6),
                        IniReadStatus::NotText)
                    .isEmpty());
}

TEST(IniTextReaderTest, OverlongLinesAreSkippedAndCounted) {
    const QByteArray longest(kMaxIniLineLength, 'x');
    IniTextReader reader;
    ASSERT_EQ(reader.setContent("a=1\n" + longest + "y\n" + longest + "\r\nb=2"),
              IniReadStatus::Ok);
    const QStringList lines = linesOf(reader);
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "a=1");
    EXPECT_EQ(lines[1].size(), kMaxIniLineLength);
    EXPECT_EQ(lines[2], "b=2");
    EXPECT_EQ(reader.skippedLines(), 1);
}

TEST(IniTextReaderTest, ContentAboveTheSizeLimitIsRefused) {
    IniTextReader reader;
    EXPECT_EQ(reader.setContent(QByteArray(kMaxIniFileSize + 1, 'a')), IniReadStatus::TooLarge);
    QString line;
    EXPECT_FALSE(reader.nextLine(&line));
}

TEST(IniTextReaderTest, KeyValueSplitsAtTheFirstEqualsSignUnlessItComesFirst) {
    QString key = "unchanged";
    QString value = "unchanged";
    EXPECT_FALSE(IniTextReader::splitKeyValue("=value", &key, &value));
    EXPECT_FALSE(IniTextReader::splitKeyValue("no sign", &key, &value));
    EXPECT_EQ(key, "unchanged");
    ASSERT_TRUE(IniTextReader::splitKeyValue("Key =a=b", &key, &value));
    EXPECT_EQ(key, "Key ");
    EXPECT_EQ(value, "a=b");
    ASSERT_TRUE(IniTextReader::splitKeyValue("k=", &key, &value));
    EXPECT_EQ(value, "");
}

// ---- Files ----

TEST(IniTextReaderTest, ReadsAFileAtTheSizeLimit) {
    QByteArray bytes(kMaxIniFileSize, 'a');
    bytes[0] = '[';
    bytes[1] = ']';
    bytes[2] = '\n';
    IniTextReader reader;
    ASSERT_EQ(reader.open(writeFile("limit.ini", bytes)), IniReadStatus::Ok);
    QString line;
    ASSERT_TRUE(reader.nextLine(&line));
    EXPECT_EQ(line, "[]");
    EXPECT_FALSE(reader.nextLine(&line)); // the rest is one overlong line
    EXPECT_EQ(reader.skippedLines(), 1);
}

TEST(IniTextReaderTest, RefusesFilesOverTheLimitWithoutReadingThem) {
    const QString path = writeFile("huge.ini", "a=1\n");
    ASSERT_TRUE(QFile::resize(path, 512LL * 1024 * 1024)); // sparse: no disk used
    IniTextReader reader;
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(reader.open(path), IniReadStatus::TooLarge);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(2));
}

TEST(IniTextReaderTest, WhatIsNoReadableRegularFileCannotBeOpened) {
    IniTextReader reader;
    const QString dir = testenv::freshDir("special");
    EXPECT_EQ(reader.open(dir + "/missing.ini"), IniReadStatus::CannotOpen);
    EXPECT_EQ(reader.open(QString()), IniReadStatus::CannotOpen);
    EXPECT_EQ(reader.open(dir), IniReadStatus::CannotOpen);
    // Devices and pipes never block or stream endlessly.
    EXPECT_EQ(reader.open("/dev/zero"), IniReadStatus::CannotOpen);
    const QString fifo = dir + "/pipe.ini";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(reader.open(fifo), IniReadStatus::CannotOpen);

    const QString locked = writeFile("locked.ini", "a=1");
    ASSERT_TRUE(QFile::setPermissions(locked, QFileDevice::WriteOwner));
    if (::geteuid() != 0) { // root reads it all the same
        EXPECT_EQ(reader.open(locked), IniReadStatus::CannotOpen);
    }
}

TEST(IniTextReaderTest, AFailedOpenForgetsTheLinesOfTheLastFile) {
    IniTextReader reader;
    ASSERT_EQ(reader.open(writeFile("first.ini", "a=1\nb=2")), IniReadStatus::Ok);
    EXPECT_EQ(reader.open(testenv::root() + "/nothing-here.ini"), IniReadStatus::CannotOpen);
    QString line;
    EXPECT_FALSE(reader.nextLine(&line));
}

// Random bytes, with now and then a run long enough to pass the line limit:
// every line given keeps the reader's promises.
TEST(IniTextReaderTest, RandomContentGivesOnlyWellFormedLines) {
    std::mt19937 rng(0x1A1);
    const char pieces[] = {'\r', '\n', ';',    '=',    '[',    ']',    ' ',
                           '\t', 'a',  '\xC3', '\xA9', '\xFF', '\xFE', '\0'};
    const auto started = std::chrono::steady_clock::now();
    for (int round = 0; round < 3000; ++round) {
        QByteArray input;
        for (int i = 0, n = int(rng() % 300); i < n; ++i)
            input.append(rng() % 2 ? pieces[rng() % std::size(pieces)] : char(rng() & 0xFF));
        if (round % 50 == 0)
            input.insert(int(rng() % (input.size() + 1)), QByteArray(kMaxIniLineLength + 1, 'x'));
        IniTextReader reader;
        if (reader.setContent(input) != IniReadStatus::Ok)
            continue;
        QString line;
        while (reader.nextLine(&line)) {
            ASSERT_FALSE(line.isEmpty());
            ASSERT_NE(line.front(), u';');
            ASSERT_EQ(line, line.trimmed());
            ASSERT_LE(line.size(), kMaxIniLineLength);
            ASSERT_FALSE(line.contains(u'\n') || line.contains(u'\r'));
        }
    }
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
}
