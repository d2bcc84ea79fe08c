// Hostile .reg input: trees deeper than the registry allows, names that
// cannot be stored, files that are not files; and export of deep trees in
// pieces rather than all in memory.
#include "platform/regfile/RegFileImporter.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "unit/regfile/RegTreeDump.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>

#include <memory>
#include <sys/stat.h>

using namespace platform;

namespace {

std::unique_ptr<Registry> freshRegistry(const QString& name) {
    return std::make_unique<Registry>(testenv::freshDir(name) + "/r.db");
}

// A UTF-8 .reg file whose one key lies levels deep.
QByteArray deepKeyFile(int levels) {
    QByteArray text = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER";
    for (int i = 0; i < levels; ++i)
        text += "\\k";
    return text + "]\r\n\"v\"=dword:00000001\r\n";
}

QByteArray utf16File(const QString& text) {
    return RegFileWriter::encode(text);
}

} // namespace

TEST(RegFileLimitsTest, KeysDeeperThanTheRegistryAllowsAreRefusedWithTheLine) {
    auto registry = freshRegistry("deep");
    QString error;
    EXPECT_TRUE(RegFileImporter::importData(deepKeyFile(512), "ok.reg", &error, registry.get()))
        << error.toStdString();
    // A hostile 60 KB file of 30,000 levels is refused before anything is
    // written.
    EXPECT_FALSE(
        RegFileImporter::importData(deepKeyFile(30000), "deep.reg", &error, registry.get()));
    EXPECT_NE(error.indexOf("line 3"), -1) << error.toStdString();
    EXPECT_NE(error.indexOf("512"), -1) << error.toStdString();
}

TEST(RegFileLimitsTest, NamesWithUnpairedSurrogatesAreRefusedAndNothingIsWritten) {
    auto registry = freshRegistry("surrogates");
    const QString header = "Windows Registry Editor Version 5.00\r\n\r\n[HKEY_CURRENT_USER\\S]\r\n";
    const QString values = QString("\"a") + QChar(0xD800) + "\"=dword:1\r\n\"a" + QChar(0xD801) +
                           "\"=dword:2\r\n\"a" + QChar(0xDC00) + "\"=dword:3\r\n";
    QString error;
    EXPECT_FALSE(RegFileImporter::importData(utf16File(header + values), "values.reg", &error,
                                             registry.get()));
    EXPECT_NE(error.indexOf("surrogate"), -1) << error.toStdString();
    EXPECT_NE(error.indexOf("line 4"), -1) << error.toStdString();
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, "S", nullptr, registry.get()));

    const QString key = QString("Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\x") +
                        QChar(0xDFFF) + "]\r\n";
    EXPECT_FALSE(
        RegFileImporter::importData(utf16File(key), "key.reg", &error, registry.get()));
    EXPECT_NE(error.indexOf("surrogate"), -1) << error.toStdString();
}

TEST(RegFileLimitsTest, APipeIsRefusedAtOnceInsteadOfWaitingForAWriter) {
    auto registry = freshRegistry("pipe");
    const QString dir = testenv::freshDir("pipe-file");
    const QString fifo = dir + "/input.reg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QString error;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(RegFileImporter::importFile(fifo, &error, registry.get()));
    EXPECT_LT(clock.elapsed(), 2000);
    EXPECT_NE(error.indexOf("not a regular file"), -1) << error.toStdString();
    EXPECT_FALSE(RegFileImporter::importFile(dir, &error, registry.get()));
    EXPECT_NE(error.indexOf("folder"), -1) << error.toStdString();
}

TEST(RegFileLimitsTest, ExportOfADeepTreeComesInSectionsAndImportsBack) {
    auto source = freshRegistry("export-src");
    QStringList parts;
    for (int i = 0; i < 512; ++i)
        parts << QString("level%1").arg(i);
    const RegKey deep = RegKey::create(RegRoot::CurrentUser, "Deep\\" + parts.mid(0, 511).join('\\'),
                                       nullptr, source.get());
    ASSERT_TRUE(deep);
    deep.setString("leaf", "bottom");
    for (int i = 0; i < 20; ++i)
        RegKey::create(RegRoot::CurrentUser, QString("Deep\\level0\\wide%1").arg(i), nullptr,
                       source.get())
            .setDword("n", i);

    // Each piece is one section: no piece carries more than the longest path
    // and its values, whatever the size of the whole file.
    qsizetype largest = 0;
    qsizetype total = 0;
    QString error;
    ASSERT_TRUE(RegFileWriter::exportTo(
        RegRoot::CurrentUser, "Deep",
        [&](const QString& piece) {
            largest = std::max(largest, piece.size());
            total += piece.size();
            return true;
        },
        &error, source.get()))
        << error.toStdString();
    EXPECT_LT(largest, 8000);
    EXPECT_GT(total, 512 * largest / 4);

    const QString file = testenv::freshDir("export-file") + "/deep.reg";
    ASSERT_TRUE(RegFileWriter::exportFile(RegRoot::CurrentUser, "Deep", file, &error, source.get()))
        << error.toStdString();
    auto target = freshRegistry("export-dst");
    ASSERT_TRUE(RegFileImporter::importFile(file, &error, target.get())) << error.toStdString();
    EXPECT_EQ(regtest::dumpRegistry(target.get()), regtest::dumpRegistry(source.get()));

    // A sink that fails stops the export.
    int calls = 0;
    EXPECT_FALSE(RegFileWriter::exportTo(
        RegRoot::CurrentUser, "Deep", [&](const QString&) { return ++calls < 3; }, &error,
        source.get()));
    EXPECT_EQ(calls, 3);
}
