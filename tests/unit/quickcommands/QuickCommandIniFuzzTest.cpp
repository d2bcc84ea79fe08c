#include "platform/ini/IniTextReader.h"
#include "quickcommands/QuickCommandIni.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

const QByteArray kTokens[] = {"[",
                              "]",
                              "=",
                              ";",
                              "\r\n",
                              "\n",
                              "\r",
                              " ",
                              "\t",
                              "Command=",
                              "Type=",
                              "URL=",
                              "%s",
                              "-",
                              "9999999999",
                              QByteArray("\0", 1),
                              "\xC3",
                              "\xE6\x96\xB0",
                              "\xEF\xBB\xBF",
                              "\xFF\xFE"};

QByteArray mutate(const QByteArray& data, std::mt19937& rng) {
    return testenv::mutateBytes(data, rng, kTokens);
}

QByteArray randomBytes(std::mt19937& rng) {
    QByteArray data;
    for (int i = 0, n = int(rng() % 400); i < n; ++i)
        data.append(static_cast<char>(rng() & 0xFF));
    return data;
}

} // namespace

// Random and mutated files are read or refused, never crash, hang or overrun,
// and whatever is imported keeps the record rules.
TEST(QuickCommandIniFuzzTest, RandomAndMutatedFilesImportCleanly) {
    const QList<QuickCommand> seedList = {
        {1, QStringLiteral("搜索"), "gs", "http://s/?q=%s"},
        {0, "News", "news", "http://n/"},
        {7, "[odd]", "o=d", "=x"},
    };
    const QByteArray seed = QuickCommandIniBytes(seedList);
    const QString utf16Text = QString::fromUtf8(seed);
    QByteArray utf16("\xFF\xFE");
    utf16.append(reinterpret_cast<const char*>(utf16Text.utf16()), utf16Text.size() * 2);
    const QByteArray seeds[] = {seed, utf16, "\xEF\xBB\xBF" + seed};

    std::mt19937 rng(0x5EED);
    const auto started = std::chrono::steady_clock::now();
    int imported = 0;
    int refused = 0;
    for (int round = 0; round < 8000; ++round) {
        const QByteArray input =
            round % 8 == 0 ? randomBytes(rng) : mutate(seeds[round % std::size(seeds)], rng);
        platform::IniTextReader reader;
        if (reader.setContent(input) != platform::IniReadStatus::Ok) {
            ++refused;
            continue;
        }
        QList<QuickCommand> commands;
        const platform::IniImportResult result = ParseQuickCommandIni(reader, &commands);
        ASSERT_EQ(result.count, commands.size());
        imported += result.count;
        for (const QuickCommand& command : commands) {
            ASSERT_FALSE(command.Title.isEmpty());
            ASSERT_LE(command.Title.size(), kQuickCommandTitleMaxLength);
            ASSERT_LE(command.Command.size(), kQuickCommandCommandMaxLength);
            ASSERT_LE(command.URL.size(), kQuickCommandUrlMaxLength);
        }
        // What was imported exports and imports again unchanged in number.
        platform::IniTextReader again;
        ASSERT_EQ(again.setContent(QuickCommandIniBytes(commands)), platform::IniReadStatus::Ok);
        QList<QuickCommand> back;
        ASSERT_EQ(ParseQuickCommandIni(again, &back).count, commands.size());
    }
    EXPECT_GT(imported, 5000);
    EXPECT_GT(refused, 100);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
}
