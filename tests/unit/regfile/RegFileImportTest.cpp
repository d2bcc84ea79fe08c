#include "platform/regfile/RegFileImporter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "unit/regfile/RegTreeDump.h"

#include <gtest/gtest.h>

#include <QFile>

#include <memory>

using namespace platform;

namespace {

class RegFileImportTest : public ::testing::Test {
protected:
    void SetUp() override { registry = std::make_unique<Registry>(testenv::freshDir("imp") + "/r.db"); }

    RegKey open(const QString& path, RegRoot root = RegRoot::CurrentUser) {
        return RegKey::open(root, path, nullptr, registry.get());
    }

    QString writeFile(const QByteArray& bytes, const QString& name = "input.reg") {
        const QString path = testenv::freshDir("files") + "/" + name;
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    bool import(const QByteArray& bytes, QString* error) {
        return RegFileImporter::importData(bytes, "input.reg", error, registry.get());
    }

    std::unique_ptr<Registry> registry;
};

} // namespace

TEST_F(RegFileImportTest, HandWrittenUtf8FileWithShortRootsAndLooseSpacing) {
    const QByteArray file =
        "Windows Registry Editor Version 5.00\n"
        "; written by hand\n"
        "[HKCU\\Software\\Hand]\n"
        "@=\"默认\"\n"
        "\"Text\" = \"中文 \\\"quoted\\\" C:\\\\dir\"\n"
        "\"Upper\"=DWORD:0000FFFF\n"
        "\"Short\"=dword:7\n"
        "\"Bytes\"=hex: 0A, b,FF ,\\\n"
        "\t  01,\\\n"
        "   02\n"
        "\"Multi\"=hex(7):61,00,00,00,00,00\r\n"
        "\"Trailing comma\"=hex:01,\n"
        "\n"
        "[hkey_classes_root\\.test]\n"
        "@=\"x\"\n"
        "[HKLM\\Software\\Machine]\n";
    QString error;
    ASSERT_TRUE(import(file, &error)) << error.toStdString();
    RegKey key = open("software\\hand");
    ASSERT_TRUE(key);
    EXPECT_EQ(key.readString(""), QString::fromUtf8("默认"));
    EXPECT_EQ(key.readString("Text"), QString::fromUtf8("中文 \"quoted\" C:\\dir"));
    EXPECT_EQ(key.readDword("Upper"), 0xFFFFu);
    EXPECT_EQ(key.readDword("Short"), 7u);
    EXPECT_EQ(key.readBinary("Bytes"), QByteArray("\x0a\x0b\xff\x01\x02", 5));
    RegValue multi;
    ASSERT_EQ(key.queryValue("Multi", &multi), ERROR_SUCCESS);
    EXPECT_EQ(multi.type, 7u);
    EXPECT_EQ(multi.data, QByteArray("a\0\0\0\0\0", 6));
    EXPECT_EQ(key.readBinary("Trailing comma"), QByteArray("\x01", 1));
    EXPECT_EQ(open(".test", RegRoot::ClassesRoot).readString(""), "x");
    EXPECT_TRUE(open("Software\\Machine", RegRoot::LocalMachine));
}

TEST_F(RegFileImportTest, ImportMergesIntoExistingKeysAndDeletes) {
    RegKey app = RegKey::create(RegRoot::CurrentUser, "Software\\App", nullptr, registry.get());
    app.setString("", "default");
    app.setString("Keep", "kept");
    app.setString("Gone", "deleted by the file");
    app.setDword("Replaced", 1);
    app.setString("Last", "stays last");
    RegKey::create(RegRoot::CurrentUser, "Software\\App\\Old\\Deeper", nullptr, registry.get())
        .setDword("x", 1);
    const QByteArray file =
        "\xEF\xBB\xBFWindows Registry Editor Version 5.00\r\n\r\n"
        "[-HKEY_CURRENT_USER\\Software\\App\\Old]\r\n\r\n"
        "[-HKEY_CURRENT_USER\\Software\\App\\NeverExisted]\r\n\r\n"
        "[HKEY_CURRENT_USER\\Software\\App]\r\n"
        "\"Gone\"=-\r\n"
        "@=-\r\n"
        "\"NeverExisted\"=-\r\n"
        "\"Replaced\"=dword:00000002\r\n"
        "\"New\"=\"added\"\r\n\r\n";
    QString error;
    ASSERT_TRUE(import(file, &error)) << error.toStdString();
    EXPECT_FALSE(open("Software\\App\\Old"));
    QStringList names;
    for (const auto& v : app.values())
        names << v.name;
    // A replaced value keeps its place; new ones come last.
    EXPECT_EQ(names, (QStringList{"Keep", "Replaced", "Last", "New"}));
    EXPECT_EQ(app.readDword("Replaced"), 2u);
}

TEST_F(RegFileImportTest, MalformedFilesAreRefusedWithLineAndWriteNothing) {
    RegKey::create(RegRoot::CurrentUser, "Software\\Before", nullptr, registry.get())
        .setString("v", "unchanged");
    const QStringList before = regtest::dumpRegistry(registry.get());
    // Each file first writes a good section, so a refusal proves the good
    // part was not applied either.
    const QByteArray good = "Windows Registry Editor Version 5.00\r\n\r\n"
                            "[HKEY_CURRENT_USER\\Software\\Before]\r\n"
                            "\"v\"=\"changed\"\r\n"
                            "[-HKEY_CURRENT_USER\\Software\\Before]\r\n"
                            "[HKEY_CURRENT_USER\\Software\\New]\r\n";
    struct Case {
        QByteArray tail;
        int line;
        const char* says;
    };
    const Case cases[] = {
        {"[HKEY_USERS\\Software]\r\n", 7, "HKEY_USERS"},
        {"[HKCU\\Software\r\n", 7, "]"},
        {"[HKCU\\Software] trailing\r\n", 7, "]"},
        {"[-HKCU]\r\n", 7, "root"},
        {"this is not a value\r\n", 7, "neither"},
        {"\"a\"\r\n", 7, "="},
        {"\"a\"=\r\n", 7, "data"},
        {"\"a=\"x\"\r\n", 7, "="},
        {"\"a\"=\"unterminated\r\n", 7, "quote"},
        {"\"a\"=\"x\" extra\r\n", 7, "after"},
        {"\"a\"=\"line\\nbreak\"\r\n", 7, "\\n"},
        {"\"a\\t\"=\"x\"\r\n", 7, "\\t"},
        {"\"a\"=dword:123456789\r\n", 7, "dword"},
        {"\"a\"=dword:xyz\r\n", 7, "dword"},
        {"\"a\"=dword:\r\n", 7, "dword"},
        {"\"a\"=hex:01,zz\r\n", 7, "zz"},
        {"\"a\"=hex:001\r\n", 7, "001"},
        {"\"a\"=hex:01,,02\r\n", 7, "comma"},
        {"\"a\"=hex:01 02\r\n", 7, "comma"},
        {"\"a\"=hex(:01\r\n", 7, "hex(...)"},
        {"\"a\"=hex(123456789):01\r\n", 7, "hex(...)"},
        {"\"a\"=hex01\r\n", 7, ":"},
        {"\"a\"=hex:01,\\\r\n  02,\\\r\n  zz\r\n", 9, "zz"},
        {"\"a\"=hex:01,\\\r\n  02,\\", 8, "ends"},
        {"\"a\"=hex:01,\\", 7, "ends"},
        {"[-HKCU\\Software\\Before]\r\n\"a\"=\"x\"\r\n", 8, "deletes"},
        {"\"bad utf8\"=\"\xC3\x28\"\r\n", 7, "UTF-8"},
        {"[HKCU\\" + QByteArray(256, 'k') + "]\r\n", 7, "255"},
        {"\"" + QByteArray(16384, 'n') + "\"=\"x\"\r\n", 7, "16383"},
        {QByteArray("\"nul\0name\"=\"x\"\r\n", 16), 7, "NUL"},
        {QByteArray("[HKCU\\a\0b]\r\n", 12), 7, "NUL"},
    };
    for (const Case& c : cases) {
        QString error;
        EXPECT_FALSE(import(good + c.tail, &error)) << c.tail.toStdString();
        EXPECT_TRUE(error.contains(QStringLiteral("\"input.reg\", line %1:").arg(c.line)))
            << c.tail.toStdString() << " -> " << error.toStdString();
        EXPECT_TRUE(error.contains(QString::fromUtf8(c.says))) << error.toStdString();
        EXPECT_EQ(regtest::dumpRegistry(registry.get()), before);
    }
}

TEST_F(RegFileImportTest, FilesThatAreNotRegistryFilesAreRefused) {
    const QByteArray notRegistryFiles[] = {
        QByteArray(),
        "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Software]\r\n",
        "\r\nWindows Registry Editor Version 5.00\r\n",
        "Windows Registry Editor Version 5.0\r\n",
        "<html>not a registry file</html>",
        QByteArray("\xFE\xFF\0W\0i", 6),
        QByteArray("\x7F\x45\x4C\x46\x02\x01\x01\0\0\0", 10),
    };
    for (const QByteArray& bytes : notRegistryFiles) {
        QString error;
        EXPECT_FALSE(import(bytes, &error));
        EXPECT_TRUE(error.contains("\"input.reg\", line 1:")) << error.toStdString();
    }
    // A UTF-16 file cut in the middle of a character.
    QByteArray utf16("\xFF\xFE", 2);
    for (char c : QByteArray("Windows Registry Editor Version 5.00\r\n\r\n[HKCU\\A]\r\n")) {
        utf16.append(c);
        utf16.append('\0');
    }
    utf16.chop(1);
    QString error;
    EXPECT_FALSE(import(utf16, &error));
    EXPECT_TRUE(error.contains("line 3:")) << error.toStdString();
    EXPECT_TRUE(error.contains("middle of a UTF-16 character")) << error.toStdString();
    EXPECT_FALSE(open("A"));
}

TEST_F(RegFileImportTest, OversizedFilesAndValuesAreRefused) {
    const QByteArray head = "Windows Registry Editor Version 5.00\r\n[HKCU\\Big]\r\n";
    QString error;
    // One byte over the registry's value bound, as one-digit hex bytes.
    QByteArray hex = head + "\"b\"=hex:";
    hex.reserve(hex.size() + 2 * (kMaxValueDataSize + 1));
    for (int i = 0; i <= kMaxValueDataSize; ++i)
        hex.append("0,", 2);
    hex.chop(1);
    EXPECT_FALSE(import(hex, &error));
    EXPECT_TRUE(error.contains("line 3:")) << error.toStdString();
    EXPECT_TRUE(error.contains("larger")) << error.toStdString();
    hex.clear();

    QByteArray text = head + "\"s\"=\"" + QByteArray(kMaxValueDataSize / 2, 'x') + "\"\r\n";
    EXPECT_FALSE(import(text, &error));
    EXPECT_TRUE(error.contains("larger")) << error.toStdString();
    text.clear();
    EXPECT_FALSE(open("Big"));

    // A file over the size bound is refused before it is parsed.
    const QString path = writeFile(QByteArray());
    QFile file(path);
    ASSERT_TRUE(file.resize(RegFileImporter::kMaxFileSize + 1));
    EXPECT_FALSE(RegFileImporter::importFile(path, &error, registry.get()));
    EXPECT_TRUE(error.contains(path)) << error.toStdString();
    EXPECT_TRUE(error.contains("larger than 128 MiB")) << error.toStdString();
}

TEST_F(RegFileImportTest, FilesThatCannotBeReadNameTheFile) {
    QString error;
    const QString missing = testenv::freshDir("none") + "/missing.reg";
    EXPECT_FALSE(RegFileImporter::importFile(missing, &error, registry.get()));
    EXPECT_TRUE(error.contains(missing)) << error.toStdString();

    const QString folder = testenv::freshDir("folder");
    EXPECT_FALSE(RegFileImporter::importFile(folder, &error, registry.get()));
    EXPECT_TRUE(error.contains(folder)) << error.toStdString();

    const QString good = writeFile("Windows Registry Editor Version 5.00\n[HKCU\\FromFile]\n\"v\"=dword:1\n");
    ASSERT_TRUE(RegFileImporter::importFile(good, &error, registry.get())) << error.toStdString();
    EXPECT_EQ(open("FromFile").readDword("v"), 1u);
}
