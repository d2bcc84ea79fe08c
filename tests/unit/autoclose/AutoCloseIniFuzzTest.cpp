#include "browser/AutoCloseIni.h"
#include "browser/AutoCloseList.h"
#include "platform/ini/IniTextReader.h"

#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

namespace {

const QByteArray kTokens[] = {"Address=",
                              "=",
                              "!",
                              "*",
                              ";",
                              "[",
                              "]",
                              "\r\n",
                              "\n",
                              "\r",
                              " ",
                              "\t",
                              "/",
                              "\\",
                              QByteArray("\0", 1),
                              "\xC3",
                              "\xE4\xB8\xAD",
                              "\xEF\xBB\xBF",
                              "\xFF\xFE"};

QByteArray mutate(const QByteArray& data, std::mt19937& rng) {
    return testenv::mutateBytes(data, rng, kTokens);
}

} // namespace

// Random and mutated files are read or refused, never crash, hang or overrun;
// every entry imported is one line's text and exports and imports again the
// same.
TEST(AutoCloseIniFuzzTest, RandomAndMutatedFilesImportCleanly) {
    const QByteArray seed = AutoCloseIniBytes(
        {"http://ads.example/*", "!http://b/", QStringLiteral("http://中文/a=b"), "*", ""});
    std::mt19937 rng(0xAC105E);
    const auto started = std::chrono::steady_clock::now();
    int imported = 0;
    int refused = 0;
    for (int round = 0; round < 8000; ++round) {
        QByteArray input;
        if (round % 8 == 0) {
            for (int i = 0, n = int(rng() % 400); i < n; ++i)
                input.append(static_cast<char>(rng() & 0xFF));
        } else {
            input = mutate(round % 3 == 0 ? "\xEF\xBB\xBF" + seed : seed, rng);
        }
        platform::IniTextReader reader;
        if (reader.setContent(input) != platform::IniReadStatus::Ok) {
            ++refused;
            continue;
        }
        QStringList list;
        const platform::IniImportResult result = ParseAutoCloseIni(reader, &list);
        ASSERT_EQ(result.count, list.size());
        imported += result.count;
        for (const QString& entry : list) {
            ASSERT_FALSE(entry.contains(u'\n') || entry.contains(u'\r') ||
                         entry.contains(QChar(0)));
        }
        // Matching with any entry is safe, whatever the entries hold.
        for (const QString& url : {QString(), QString("http://ads.example/x"), list.value(0)})
            IsAutoCloseAddress(list, url);
        platform::IniTextReader again;
        ASSERT_EQ(again.setContent(AutoCloseIniBytes(list)), platform::IniReadStatus::Ok);
        QStringList back;
        ParseAutoCloseIni(again, &back);
        ASSERT_EQ(back, list);
    }
    EXPECT_GT(imported, 10000);
    EXPECT_GT(refused, 100);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(60));
}
