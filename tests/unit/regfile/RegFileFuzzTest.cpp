#include "platform/regfile/RegFileImporter.h"
#include "platform/regfile/RegFileParser.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <random>

using namespace platform;

namespace {

// Seeds close to real files, so that mutations reach deep into the grammar.
QByteArray seedText() {
    return "Windows Registry Editor Version 5.00\r\n\r\n"
           "; comment\r\n"
           "[HKEY_CURRENT_USER\\Software\\Fuzz]\r\n"
           "@=\"default\"\r\n"
           "\"Text\"=\"a \\\"quoted\\\" \\\\ text\"\r\n"
           "\"Dword\"=dword:0000002a\r\n"
           "\"Bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,\\\r\n"
           "  14,15,16\r\n"
           "\"Expand\"=hex(2):25,00,41,00,25,00,00,00\r\n"
           "\"Gone\"=-\r\n\r\n"
           "[-HKCU\\Software\\Fuzz\\Old]\r\n\r\n"
           "[HKCR\\.x\\Sub]\r\n"
           "\"Multi\"=hex(7):61,00,00,00,00,00\r\n";
}

QByteArray toUtf16(const QByteArray& utf8) {
    return RegFileWriter::encode(QString::fromUtf8(utf8));
}

const QByteArray kTokens[] = {"[", "]", "\\", "\"", "=", "@", "-", ",", ":", ";", "hex", "hex(",
                              ")", "dword:", "\r\n", "\n", "\r", "  ", "ff", "0", "HKCU",
                              "HKEY_LOCAL_MACHINE", "\\\r\n", QByteArray("\0", 1), "\xC3",
                              "\xE4\xB8\xAD"};

QByteArray mutate(QByteArray data, std::mt19937& rng) {
    // Mostly single edits, which keep much of the file valid; some heavier.
    const int edits = rng() % 4 == 0 ? std::uniform_int_distribution<int>(2, 8)(rng) : 1;
    for (int e = 0; e < edits; ++e) {
        const int at = data.isEmpty() ? 0 : std::uniform_int_distribution<int>(0, int(data.size()) - 1)(rng);
        switch (rng() % 6) {
        case 0: // flip a byte
            if (!data.isEmpty())
                data[at] = static_cast<char>(rng() & 0xFF);
            break;
        case 1: // insert a token of the grammar
            data.insert(at, kTokens[rng() % std::size(kTokens)]);
            break;
        case 2: // delete a range
            data.remove(at, std::uniform_int_distribution<int>(1, 16)(rng));
            break;
        case 3: // duplicate a range
            data.insert(at, data.mid(at, std::uniform_int_distribution<int>(1, 40)(rng)));
            break;
        case 4: // cut the file short
            data.truncate(at);
            break;
        default: // insert random bytes
            for (int i = 0, n = int(rng() % 4) + 1; i < n; ++i)
                data.insert(at, static_cast<char>(rng() & 0xFF));
            break;
        }
    }
    return data;
}

} // namespace

// Random and mutated files must be parsed or refused, never crash, hang or
// overrun; whatever parses must also be accepted by the registry, as the
// parser promises.
TEST(RegFileFuzzTest, RandomAndMutatedInputsAreParsedOrRefusedCleanly) {
    std::mt19937 rng(0xC0FFEE);
    Registry registry(testenv::freshDir("fuzz") + "/r.db");
    const QByteArray seeds[] = {seedText(), toUtf16(seedText()), "\xEF\xBB\xBF" + seedText()};
    const auto started = std::chrono::steady_clock::now();
    int parsed = 0;
    int refused = 0;
    for (int round = 0; round < 10000; ++round) {
        QByteArray input;
        if (round % 10 == 0) {
            const int size = std::uniform_int_distribution<int>(0, 300)(rng);
            for (int i = 0; i < size; ++i)
                input.append(static_cast<char>(rng() & 0xFF));
            if (round % 20 == 0)
                input.prepend("Windows Registry Editor Version 5.00\n");
        } else {
            input = mutate(seeds[round % std::size(seeds)], rng);
        }
        std::vector<RegFileOperation> ops;
        QString error;
        if (!RegFileParser::parse(input, "fuzz.reg", &ops, &error)) {
            ++refused;
            EXPECT_TRUE(error.startsWith("Cannot import \"fuzz.reg\", line ")) << error.toStdString();
            continue;
        }
        ++parsed;
        EXPECT_TRUE(RegFileImporter::apply(ops, "fuzz.reg", &error, &registry))
            << error.toStdString() << "\n" << input.toStdString();
    }
    // Both outcomes must have been exercised for the run to mean anything.
    EXPECT_GT(parsed, 500);
    EXPECT_GT(refused, 3000);
    EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(120));
}
