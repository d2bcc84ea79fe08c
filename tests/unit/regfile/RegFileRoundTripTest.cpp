#include "platform/regfile/RegFileImporter.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "unit/regfile/RegTreeDump.h"

#include <gtest/gtest.h>

#include <QStringEncoder>

#include <memory>
#include <random>

using namespace platform;

namespace {

class RegFileRoundTripTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = std::make_unique<Registry>(testenv::freshDir("src") + "/r.db");
        target = std::make_unique<Registry>(testenv::freshDir("dst") + "/r.db");
    }

    RegKey create(const QString& path) {
        RegError error = ERROR_SUCCESS;
        RegKey key = RegKey::create(RegRoot::CurrentUser, path, &error, source.get());
        EXPECT_EQ(error, ERROR_SUCCESS) << path.toStdString();
        return key;
    }

    // Exports HKCU\path from the source, imports the bytes into the target
    // and expects both subtrees to list the same.
    void expectRoundTrip(const QString& path, QString* exported = nullptr) {
        QString text;
        QString error;
        ASSERT_TRUE(RegFileWriter::exportText(RegRoot::CurrentUser, path, &text, &error, source.get()))
            << error.toStdString();
        ASSERT_TRUE(RegFileImporter::importData(RegFileWriter::encode(text), "mem.reg", &error,
                                                target.get()))
            << error.toStdString();
        const auto dump = [&](Registry* r) {
            return regtest::dumpTree(RegKey::open(RegRoot::CurrentUser, path, nullptr, r), path);
        };
        EXPECT_EQ(dump(source.get()), dump(target.get()));
        if (exported)
            *exported = text;
    }

    std::unique_ptr<Registry> source;
    std::unique_ptr<Registry> target;
};

QString randomName(std::mt19937& rng, bool keyName) {
    // Letters of both cases, the characters the format escapes or uses as
    // syntax, blanks, Chinese text and a character outside the BMP.
    static const QStringList pieces = {"a", "B", "z", "Q", "\\", "\"", "[", "]", "=", ";", "@",
                                       "-", " ", "\t", ",", "中", "文", "é", "\xF0\x9F\x98\x80"};
    QString name;
    const int length = std::uniform_int_distribution<int>(1, 12)(rng);
    for (int i = 0; i < length; ++i) {
        QString piece = pieces[std::uniform_int_distribution<int>(0, int(pieces.size()) - 1)(rng)];
        if (keyName && piece == "\\")
            piece = "k";
        name += piece;
    }
    return name;
}

RegValue randomValue(std::mt19937& rng) {
    const RegType types[] = {REG_SZ, REG_EXPAND_SZ, REG_BINARY, REG_DWORD, REG_NONE, 7, 11};
    RegValue value;
    value.type = types[std::uniform_int_distribution<int>(0, 6)(rng)];
    const int size = std::uniform_int_distribution<int>(0, 120)(rng);
    if (value.type == REG_SZ && size % 3 != 0) {
        value.data = encodeRegString(randomName(rng, false));
        return value;
    }
    for (int i = 0; i < size; ++i)
        value.data.append(static_cast<char>(rng() & 0xFF));
    return value;
}

} // namespace

TEST_F(RegFileRoundTripTest, EveryKindOfValueComesBackWithIdenticalBytes) {
    RegKey key = create("Software\\Ovrel\\RoundTrip");
    key.setString("", QString::fromUtf8("默认值"));
    key.setString("@", "a value named @ is not the default");
    key.setString("Empty", "");
    key.setString(QString::fromUtf8("中文名称"), QString::fromUtf8("中文文本，还有 \"引号\" 和 \\反斜杠\\"));
    key.setString("Ends with backslash\\", "C:\\Program Files\\");
    key.setString("  padded = name ; ", "  padded text  ");
    key.setExpandString("Path", "%HOME%\\bin;%PATH%");
    key.setExpandString("EmptyExpand", "");
    key.setDword("Zero", 0);
    key.setDword("Max", 0xFFFFFFFFu);
    QByteArray longBinary;
    for (int i = 0; i < 5000; ++i)
        longBinary.append(static_cast<char>((i * 37) & 0xFF));
    key.setBinary("Long", longBinary);
    key.setBinary("EmptyBinary", QByteArray());
    // Stored strings that are not "text + one NUL" keep their exact bytes.
    key.setValue("NoNul", REG_SZ, QByteArray("a\0b\0", 4));
    key.setValue("TwoNuls", REG_SZ, QByteArray("a\0\0\0\0\0", 6));
    key.setValue("Odd", REG_SZ, QByteArray("a\0b", 3));
    key.setValue("Lines", REG_SZ, encodeRegString("first\r\nsecond"));
    key.setValue("ShortDword", REG_DWORD, QByteArray("\x07", 1));
    key.setValue("Multi", 7, QByteArray("a\0\0\0b\0\0\0\0\0", 10));
    key.setValue("Qword", 11, QByteArray(8, '\x5A'));
    key.setValue("None", REG_NONE, QByteArray());
    create("Software\\Ovrel\\RoundTrip\\MiXeD CaSe [x] = y\\-dash");
    create(QString::fromUtf8("Software\\Ovrel\\RoundTrip\\子键"));

    QString text;
    expectRoundTrip("Software\\Ovrel\\RoundTrip", &text);
    // The editor's own forms where the bytes allow them.
    EXPECT_TRUE(text.contains("\"Zero\"=dword:00000000\r\n"));
    EXPECT_TRUE(text.contains("\"Max\"=dword:ffffffff\r\n"));
    EXPECT_TRUE(text.contains("\"Empty\"=\"\"\r\n"));
    EXPECT_TRUE(text.contains("\"EmptyExpand\"=hex(2):00,00\r\n"));
    EXPECT_TRUE(text.contains("\"Ends with backslash\\\\\"=\"C:\\\\Program Files\\\\\"\r\n"));
    EXPECT_TRUE(text.contains("\"Lines\"=hex(1):"));
    for (const QString& line : text.split("\r\n"))
        EXPECT_LE(line.size(), 80) << line.toStdString();
}

TEST_F(RegFileRoundTripTest, DeepAndWideTreesKeepStructureOrderAndCase) {
    QString path = "Software\\Deep";
    for (int depth = 0; depth < 120; ++depth) {
        path += QStringLiteral("\\Level%1").arg(depth);
        create(path).setDword("depth", static_cast<std::uint32_t>(depth));
    }
    // Siblings created in scrambled order and mixed case enumerate by name.
    for (int i = 0; i < 200; ++i) {
        const int n = (i * 73) % 200;
        create(QStringLiteral("Software\\Wide\\%1item%2").arg(n % 2 ? "A" : "a").arg(n, 3, 10, QChar('0')))
            .setString("n", QString::number(n));
    }
    expectRoundTrip("Software");
}

TEST_F(RegFileRoundTripTest, WholeRootAndItsValuesRoundTrip) {
    RegKey::root(RegRoot::CurrentUser, source.get()).setString("AtRoot", "root value");
    create("Software\\X").setDword("x", 1);
    expectRoundTrip(QString());
}

TEST_F(RegFileRoundTripTest, RandomTreesRoundTrip) {
    std::mt19937 rng(20240611);
    for (int tree = 0; tree < 25; ++tree) {
        SetUp();
        const QString top = QStringLiteral("Software\\Random%1").arg(tree);
        QStringList keys{top};
        create(top);
        for (int k = 0; k < 12; ++k) {
            const QString parent = keys[std::uniform_int_distribution<int>(0, int(keys.size()) - 1)(rng)];
            const QString path = parent + "\\" + randomName(rng, true);
            create(path);
            keys << path;
        }
        for (int v = 0; v < 40; ++v) {
            const QString path = keys[std::uniform_int_distribution<int>(0, int(keys.size()) - 1)(rng)];
            const RegValue value = randomValue(rng);
            const QString name = v % 10 == 0 ? QString() : randomName(rng, false);
            ASSERT_EQ(create(path).setValue(name, value.type, value.data), ERROR_SUCCESS);
        }
        expectRoundTrip(top);
        if (HasFailure())
            return;
    }
}

TEST_F(RegFileRoundTripTest, SameTextAsUtf8WithLineFeedsImportsTheSame) {
    RegKey key = create("Software\\Utf8");
    key.setString(QString::fromUtf8("名"), QString::fromUtf8("值 \xF0\x9F\x98\x80"));
    key.setBinary("b", QByteArray(100, '\x11'));
    QString text;
    QString error;
    ASSERT_TRUE(RegFileWriter::exportText(RegRoot::CurrentUser, "Software\\Utf8", &text, &error,
                                          source.get()));
    const QByteArray utf8 = text.replace("\r\n", "\n").toUtf8();
    for (const QByteArray& bytes : {utf8, QByteArray("\xEF\xBB\xBF") + utf8}) {
        target = std::make_unique<Registry>(testenv::freshDir("dst") + "/r.db");
        ASSERT_TRUE(RegFileImporter::importData(bytes, "utf8.reg", &error, target.get()))
            << error.toStdString();
        EXPECT_EQ(regtest::dumpRegistry(source.get()), regtest::dumpRegistry(target.get()));
    }
}
