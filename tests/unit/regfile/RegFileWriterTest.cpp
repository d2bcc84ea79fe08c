#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QFile>

using namespace platform;

namespace {

// Expected file bytes built independently of the writer: BOM, then each
// (ASCII) character as one UTF-16LE code unit.
QByteArray utf16File(const char* ascii) {
    QByteArray bytes("\xFF\xFE", 2);
    for (const char* p = ascii; *p; ++p) {
        bytes.append(*p);
        bytes.append('\0');
    }
    return bytes;
}

QByteArray bytesUpTo(int count) {
    QByteArray data;
    for (int i = 0; i < count; ++i)
        data.append(static_cast<char>(i));
    return data;
}

class RegFileWriterTest : public ::testing::Test {
protected:
    void SetUp() override { registry = std::make_unique<Registry>(testenv::freshDir("w") + "/r.db"); }
    RegKey create(const QString& path) { return RegKey::create(RegRoot::CurrentUser, path, nullptr, registry.get()); }
    std::unique_ptr<Registry> registry;
};

} // namespace

TEST_F(RegFileWriterTest, SmallTreeIsWrittenByteForByte) {
    RegKey top = create("Software\\Test");
    top.setString("", "Default text");
    top.setString("Quote\"And\\Slash", "C:\\dir\\\"q\"");
    top.setDword("Width", 42);
    top.setExpandString("Path", "%A%");
    top.setString("Empty", "");
    top.setBinary("Bin", bytesUpTo(40));
    top.setBinary("NoBytes", QByteArray());
    // Subkeys come in case-insensitive name order whatever the creation order.
    create("Software\\Test\\beta").setDword("b", 0xDEADBEEF);
    create("Software\\Test\\Alpha\\Inner");

    const char* expected =
        "Windows Registry Editor Version 5.00\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test]\r\n"
        "@=\"Default text\"\r\n"
        "\"Quote\\\"And\\\\Slash\"=\"C:\\\\dir\\\\\\\"q\\\"\"\r\n"
        "\"Width\"=dword:0000002a\r\n"
        "\"Path\"=hex(2):25,00,41,00,25,00,00,00\r\n"
        "\"Empty\"=\"\"\r\n"
        "\"Bin\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,\\\r\n"
        "  17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27\r\n"
        "\"NoBytes\"=hex:\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test\\Alpha]\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test\\Alpha\\Inner]\r\n"
        "\r\n"
        "[HKEY_CURRENT_USER\\Software\\Test\\beta]\r\n"
        "\"b\"=dword:deadbeef\r\n"
        "\r\n";

    const QString file = testenv::freshDir("out") + "/test.reg";
    QString error;
    // The path as typed may differ in case; the file keeps the stored case.
    ASSERT_TRUE(RegFileWriter::exportFile(RegRoot::CurrentUser, "SOFTWARE\\test", file, &error,
                                          registry.get()))
        << error.toStdString();
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray bytes = in.readAll();
    // The text first, for a readable difference; then every byte.
    EXPECT_EQ(QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData() + 2),
                                 (bytes.size() - 2) / 2)
                  .toStdString(),
              std::string(expected));
    EXPECT_EQ(bytes, utf16File(expected));
}

TEST_F(RegFileWriterTest, HexLinesWrapLikeTheRegistryEditor) {
    // A 17-character prefix leaves room for 20 bytes on the first line; every
    // continuation line holds 25. No line exceeds 80 characters.
    RegValue value{REG_BINARY, bytesUpTo(70)};
    const QString text = RegFileWriter::formatValue("ShellState", value);
    const QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 3);
    EXPECT_EQ(lines[0], "\"ShellState\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,0e,0f,10,"
                        "11,12,13,\\");
    EXPECT_EQ(lines[1], "  14,15,16,17,18,19,1a,1b,1c,1d,1e,1f,20,21,22,23,24,25,26,27,28,29,2a,"
                        "2b,2c,\\");
    EXPECT_EQ(lines[2], "  2d,2e,2f,30,31,32,33,34,35,36,37,38,39,3a,3b,3c,3d,3e,3f,40,41,42,43,"
                        "44,45");
    for (const QString& line : lines)
        EXPECT_LE(line.size(), 80);

    // The last byte takes no comma, so it never starts a new line by itself;
    // one more byte does.
    EXPECT_FALSE(RegFileWriter::formatValue("ShellState", {REG_BINARY, bytesUpTo(20)}).contains('\n'));
    EXPECT_TRUE(RegFileWriter::formatValue("ShellState", {REG_BINARY, bytesUpTo(21)})
                    .endsWith("13,\\\r\n  14"));

    // A name too long for any byte on its line still gets one, then wraps.
    const QString longName(70, QChar('n'));
    const QStringList longLines =
        RegFileWriter::formatValue(longName, {7, bytesUpTo(3)}).split("\r\n");
    ASSERT_EQ(longLines.size(), 2);
    EXPECT_EQ(longLines[0], "\"" + longName + "\"=hex(7):00,\\");
    EXPECT_EQ(longLines[1], "  01,02");
}

TEST_F(RegFileWriterTest, ValuesTextCannotCarryAreWrittenAsHex) {
    // Text with the terminating NUL missing, an embedded NUL, an odd length,
    // a line break or a lone surrogate: all as hex(1) with the exact bytes.
    const QByteArray missingNul("a\0b\0", 4);
    const QByteArray embeddedNul("a\0\0\0b\0\0\0", 8);
    const QByteArray oddLength("a\0\0\0x", 5);
    const QByteArray lineBreak("a\0\n\0\0\0", 6);
    const QByteArray loneSurrogate("\x00\xD8\0\0", 4);
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, missingNul}), "\"v\"=hex(1):61,00,62,00");
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, embeddedNul}),
              "\"v\"=hex(1):61,00,00,00,62,00,00,00");
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, oddLength}), "\"v\"=hex(1):61,00,00,00,78");
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, lineBreak}), "\"v\"=hex(1):61,00,0a,00,00,00");
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, loneSurrogate}), "\"v\"=hex(1):00,d8,00,00");
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, QByteArray()}), "\"v\"=hex(1):");
    // A surrogate pair is valid text.
    EXPECT_EQ(RegFileWriter::formatValue("v", {REG_SZ, encodeRegString(QString::fromUtf8("\xF0\x9F\x98\x80"))}),
              QString::fromUtf8("\"v\"=\"\xF0\x9F\x98\x80\""));
    // A DWORD of the wrong size, and types beyond 9 in hex digits.
    EXPECT_EQ(RegFileWriter::formatValue("d", {REG_DWORD, QByteArray("\x01\x02", 2)}), "\"d\"=hex(4):01,02");
    EXPECT_EQ(RegFileWriter::formatValue("q", {11, QByteArray(8, '\0')}),
              "\"q\"=hex(b):00,00,00,00,00,00,00,00");
    EXPECT_EQ(RegFileWriter::formatValue("", {REG_NONE, QByteArray("\xff", 1)}), "@=hex(0):ff");
}

TEST_F(RegFileWriterTest, RefusesNamesNoLineCanHoldAndMissingKeys) {
    QString text;
    QString error;
    EXPECT_FALSE(RegFileWriter::exportText(RegRoot::CurrentUser, "Software\\Missing", &text, &error,
                                           registry.get()));
    EXPECT_FALSE(error.isEmpty());

    create("Software\\Bad").setString("two\nlines", "x");
    error.clear();
    EXPECT_FALSE(RegFileWriter::exportText(RegRoot::CurrentUser, "Software", &text, &error,
                                           registry.get()));
    EXPECT_TRUE(error.contains("Software\\Bad")) << error.toStdString();

    // A failed export leaves an existing file untouched.
    const QString file = testenv::freshDir("keep") + "/keep.reg";
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("old contents");
    out.close();
    EXPECT_FALSE(RegFileWriter::exportFile(RegRoot::CurrentUser, "Software", file, &error,
                                           registry.get()));
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll(), "old contents");
}
