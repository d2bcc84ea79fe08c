// Runs the built quorrelin-reg program as a user would and checks its output,
// exit status and the registry it leaves behind.
#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"
#include "unit/regfile/RegTreeDump.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <sys/stat.h>

using namespace platform;

namespace {

struct Result {
    int status = -1;
    QString out;
    QString err;
};

class RegToolTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }

    // The tool inherits this process's environment, and so its registry.
    static Result reg(const QStringList& args) {
        QProcess process;
        process.start(QStringLiteral(QUORRELIN_REG_TOOL), args);
        process.closeWriteChannel();
        Result result;
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished();
            ADD_FAILURE() << "quorrelin-reg did not finish";
            return result;
        }
        result.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    static void expectSuccess(const Result& r) {
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        EXPECT_EQ(r.out, "The operation completed successfully.\n");
        EXPECT_EQ(r.err, "");
    }

    static void expectError(const Result& r, const QString& says) {
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.err.startsWith("ERROR: ")) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains(says)) << r.err.toStdString();
    }

    static RegKey key(const QString& path) { return RegKey::open(RegRoot::CurrentUser, path); }
};

const QString kNotFound = "The system was unable to find the specified registry key or value.";

} // namespace

TEST_F(RegToolTest, AddQueryAndDeleteValues) {
    expectSuccess(reg({"add", "HKCU\\Software\\Tool", "/v", "Name", "/d", "中文 \"text\""}));
    expectSuccess(reg({"add", "HKEY_CURRENT_USER\\Software\\Tool", "/v", "Num", "/t", "REG_DWORD", "/d", "0x2A"}));
    expectSuccess(reg({"add", "hkcu\\Software\\Tool", "/v", "Dec", "/t", "reg_dword", "/d", "4294967295"}));
    expectSuccess(reg({"add", "HKCU\\Software\\Tool", "/ve", "/t", "REG_EXPAND_SZ", "/d", "%HOME%"}));
    expectSuccess(reg({"add", "HKCU\\Software\\Tool\\Sub", "/v", "Bin", "/t", "REG_BINARY", "/d", "0a1BfF"}));
    expectSuccess(reg({"add", "HKCU\\Software\\Tool\\Empty"}));

    RegKey tool = key("Software\\Tool");
    EXPECT_EQ(tool.readString("Name"), "中文 \"text\"");
    EXPECT_EQ(tool.readDword("Num"), 42u);
    EXPECT_EQ(tool.readDword("Dec"), 0xFFFFFFFFu);
    RegValue def;
    ASSERT_EQ(tool.queryValue("", &def), ERROR_SUCCESS);
    EXPECT_EQ(def.type, REG_EXPAND_SZ);
    EXPECT_EQ(key("Software\\Tool\\Sub").readBinary("Bin"), QByteArray("\x0a\x1b\xff", 3));

    Result q = reg({"query", "HKCU\\Software\\Tool"});
    EXPECT_EQ(q.status, 0);
    EXPECT_EQ(q.out, "\n"
                     "HKEY_CURRENT_USER\\Software\\Tool\n"
                     "    Name    REG_SZ    中文 \"text\"\n"
                     "    Num    REG_DWORD    0x2a\n"
                     "    Dec    REG_DWORD    0xffffffff\n"
                     "    (Default)    REG_EXPAND_SZ    %HOME%\n"
                     "\n"
                     "HKEY_CURRENT_USER\\Software\\Tool\\Empty\n"
                     "HKEY_CURRENT_USER\\Software\\Tool\\Sub\n");
    q = reg({"query", "HKCU\\Software\\Tool", "/s"});
    EXPECT_EQ(q.status, 0);
    EXPECT_TRUE(q.out.endsWith("HKEY_CURRENT_USER\\Software\\Tool\\Empty\n"
                               "HKEY_CURRENT_USER\\Software\\Tool\\Sub\n"
                               "    Bin    REG_BINARY    0A1BFF\n"
                               "\n"))
        << q.out.toStdString();
    q = reg({"query", "HKCU\\Software\\Tool", "/v", "num"});
    EXPECT_EQ(q.out, "\nHKEY_CURRENT_USER\\Software\\Tool\n    num    REG_DWORD    0x2a\n\n");
    q = reg({"query", "HKCU\\Software\\Tool\\Sub", "/ve"});
    EXPECT_EQ(q.out, "\nHKEY_CURRENT_USER\\Software\\Tool\\Sub\n    (Default)    REG_SZ    (value not set)\n\n");
    q = reg({"query", "HKCU\\Software", "/v", "Bin", "/s"});
    EXPECT_TRUE(q.out.endsWith("End of search: 1 match(es) found.\n")) << q.out.toStdString();

    // Overwriting and deleting need /f: the tool never asks.
    expectError(reg({"add", "HKCU\\Software\\Tool", "/v", "Name", "/d", "other"}), "/f");
    EXPECT_EQ(tool.readString("Name"), "中文 \"text\"");
    expectSuccess(reg({"add", "HKCU\\Software\\Tool", "/v", "Name", "/d", "other", "/f"}));
    EXPECT_EQ(tool.readString("Name"), "other");
    expectError(reg({"delete", "HKCU\\Software\\Tool", "/v", "Name"}), "/f");
    EXPECT_TRUE(tool.readString("Name"));
    expectSuccess(reg({"delete", "HKCU\\Software\\Tool", "/v", "Name", "/f"}));
    EXPECT_FALSE(tool.readString("Name"));
    expectError(reg({"delete", "HKCU\\Software\\Tool", "/v", "Name", "/f"}), kNotFound);
    expectSuccess(reg({"delete", "HKCU\\Software\\Tool", "/va", "/f"}));
    EXPECT_TRUE(tool.values().empty());
    EXPECT_TRUE(key("Software\\Tool\\Sub"));
    expectError(reg({"delete", "HKCU\\Software\\Tool"}), "/f");
    expectSuccess(reg({"delete", "HKCU\\Software\\Tool", "/f"}));
    EXPECT_FALSE(key("Software\\Tool"));
    expectError(reg({"query", "HKCU\\Software\\Tool"}), kNotFound);
}

TEST_F(RegToolTest, ExportAndImportRestoreTheTree) {
    RegKey app = RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings");
    app.setString("HomePage", "about:blank");
    app.setDword("TabWidth", 120);
    app.setBinary("ReBar", QByteArray(400, '\x01'));
    RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\Quorrelin\\Settings\\LinkGroups\\0")
        .setString("Name", "新闻");
    const QStringList before = regtest::dumpRegistry(&Registry::instance());

    const QString file = testenv::freshDir("export") + "/settings.reg";
    expectSuccess(reg({"export", "HKCU\\Software\\Ovrel", file}));
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    const QByteArray bytes = written.readAll();
    EXPECT_TRUE(bytes.startsWith(QByteArray("\xFF\xFEW\0i\0", 6)));
    written.close();

    // An existing file is replaced only with /y.
    expectError(reg({"export", "HKCU\\Software\\Ovrel", file}), "/y");
    expectSuccess(reg({"export", "HKCU\\Software\\Ovrel", file, "/y"}));

    expectSuccess(reg({"delete", "HKCU\\Software\\Ovrel", "/f"}));
    EXPECT_NE(regtest::dumpRegistry(&Registry::instance()), before);
    expectSuccess(reg({"import", file}));
    EXPECT_EQ(regtest::dumpRegistry(&Registry::instance()), before);
}

TEST_F(RegToolTest, BadInputFailsWithErrorAndWritesNothing) {
    RegKey::create(RegRoot::CurrentUser, "Software\\Keep").setString("v", "kept");
    const QStringList before = regtest::dumpRegistry(&Registry::instance());

    expectError(reg({}), "Invalid syntax.");
    expectError(reg({"frobnicate", "HKCU\\X"}), "Invalid syntax.");
    expectError(reg({"add", "HKCU\\X", "/v"}), "Invalid syntax.");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/ve"}), "Invalid syntax.");
    expectError(reg({"add", "HKCU\\X", "/f", "/f"}), "Invalid syntax.");
    expectError(reg({"query", "HKCU\\X", "/f"}), "Invalid syntax.");
    expectError(reg({"export", "HKCU\\X"}), "Invalid syntax.");
    expectError(reg({"add", "HKEY_USERS\\X"}), "Invalid key name.");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_DWORD", "/d", "4294967296"}), "REG_DWORD");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_DWORD", "/d", "-1"}), "REG_DWORD");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_DWORD", "/d", "0x"}), "REG_DWORD");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_BINARY", "/d", "abc"}), "REG_BINARY");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_BINARY", "/d", "zz"}), "REG_BINARY");
    expectError(reg({"add", "HKCU\\X", "/v", "a", "/t", "REG_MADEUP"}), "REG_MADEUP");
    expectError(reg({"add", "HKCU\\" + QString(256, 'k')}), "too long");
    expectError(reg({"delete", "HKCU", "/f"}), "root");
    expectError(reg({"delete", "HKCU\\Missing", "/f"}), kNotFound);
    expectError(reg({"export", "HKCU\\Missing", testenv::freshDir("e") + "/x.reg"}), kNotFound);
    expectError(reg({"import", testenv::freshDir("i") + "/missing.reg"}), "missing.reg");

    const QString bad = testenv::freshDir("bad") + "/bad.reg";
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Windows Registry Editor Version 5.00\r\n\r\n"
               "[HKEY_CURRENT_USER\\Software\\Keep]\r\n"
               "\"v\"=\"overwritten\"\r\n"
               "\"w\"=hex:01,0g\r\n");
    file.close();
    const Result r = reg({"import", bad});
    expectError(r, bad + "\", line 5:");
    EXPECT_EQ(regtest::dumpRegistry(&Registry::instance()), before);
    EXPECT_FALSE(key("X"));
}

TEST_F(RegToolTest, HelpDescribesTheVerbsAndTheNonInteractiveRule) {
    for (const QStringList& args : {QStringList{"/?"}, QStringList{"add", "/?"}}) {
        const Result r = reg(args);
        EXPECT_EQ(r.status, 0);
        for (const char* text : {"query KEY", "add KEY", "delete KEY", "export KEY FILE", "import FILE",
                                 "HKCU", "/f", "/y", "never asks"})
            EXPECT_TRUE(r.out.contains(text)) << text;
    }
}

TEST_F(RegToolTest, ImportOfAPipeEndsAtOnce) {
    const QString fifo = testenv::freshDir("pipe") + "/input.reg";
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    expectError(reg({"import", fifo}), "not a regular file");
}

TEST_F(RegToolTest, ReadingVerbsLeaveADamagedRegistryAsItIs) {
    RegKey::create(RegRoot::CurrentUser, "Data").setDword("Kept", 7);
    const QString path = testenv::closeDefaultRegistry();
    ASSERT_TRUE(testenv::overwriteTestFile(path, 4096, QByteArray(4096, '\x5a')));
    const QByteArray before = testenv::readTestFile(path);
    expectError(reg({"query", "HKCU\\Data"}), "damaged");
    expectError(reg({"export", "HKCU\\Data", testenv::freshDir("out") + "/d.reg"}), "damaged");
    expectError(reg({"add", "HKCU\\Data", "/v", "New", "/d", "x", "/f"}), "damaged");
    EXPECT_EQ(testenv::readTestFile(path), before);
    EXPECT_EQ(QFileInfo(path).dir().entryList({"*damaged*"}).size(), 0);
}
