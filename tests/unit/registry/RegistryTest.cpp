#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <chrono>
#include <csignal>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace platform;

namespace {

class RegistryTest : public ::testing::Test {
protected:
    void SetUp() override { testenv::useFreshRegistry(); }
    Registry& reg() { return Registry::instance(); }
};

QStringList valueNames(const RegKey& key) {
    QStringList names;
    for (const auto& v : key.values())
        names << v.name;
    return names;
}

} // namespace

TEST_F(RegistryTest, NamesAreCaseInsensitiveAndKeepTheirCase) {
    RegError error = -1;
    RegKey created = RegKey::create(RegRoot::CurrentUser, "Software\\Ovrel\\MixedCase", &error);
    ASSERT_TRUE(created);
    EXPECT_EQ(error, ERROR_SUCCESS);

    RegKey opened = RegKey::open(RegRoot::CurrentUser, "SOFTWARE\\ovrel\\mixedcase");
    ASSERT_TRUE(opened);
    EXPECT_EQ(opened.id(), created.id());
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "Software\\Ovrel").subkeyNames(),
              QStringList{"MixedCase"});

    // Creating again with another case opens the same key and keeps the old name.
    RegKey again = RegKey::create(RegRoot::CurrentUser, "software\\OVREL\\MIXEDCASE");
    EXPECT_EQ(again.id(), created.id());
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "Software\\Ovrel").subkeyNames(),
              QStringList{"MixedCase"});

    // Values: same rules, and setting again under another case keeps the first spelling.
    created.setDword("TabWidth", 90);
    created.setDword("TABWIDTH", 120);
    EXPECT_EQ(created.readDword("tabwidth"), 120u);
    EXPECT_EQ(valueNames(created), QStringList{"TabWidth"});

    // The roots are separate trees; empty path components do not matter.
    EXPECT_FALSE(RegKey::open(RegRoot::LocalMachine, "Software\\Ovrel"));
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "\\Software\\\\Ovrel\\MixedCase\\").id(),
              created.id());
}

TEST_F(RegistryTest, OpenFailsWhenMissingAndCreateMakesParents) {
    RegError error = 0;
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, "A\\B\\C", &error));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    ASSERT_TRUE(RegKey::create(RegRoot::CurrentUser, "A\\B\\C"));
    EXPECT_TRUE(RegKey::open(RegRoot::CurrentUser, "A"));
    EXPECT_TRUE(RegKey::open(RegRoot::CurrentUser, "A\\B"));

    RegKey key;
    EXPECT_EQ(key.setDword("x", 1), ERROR_INVALID_HANDLE);
    EXPECT_FALSE(key.readDword("x"));

    // Over-long names are refused, not truncated.
    EXPECT_FALSE(RegKey::create(RegRoot::CurrentUser, QString(256, 'k'), &error));
    EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
    EXPECT_TRUE(RegKey::create(RegRoot::CurrentUser, QString(255, 'k')));
}

TEST_F(RegistryTest, SubkeysEnumerateInUppercaseNameOrderValuesInCreationOrder) {
    RegKey key = RegKey::create(RegRoot::CurrentUser, "Order");
    for (const char* name : {"b", "_x", "A", "c10", "C2", "a_"})
        key.createSubkey(name);
    // Uppercase ordinal order: '_' (0x5F) sorts after the capital letters.
    const QStringList expected{"A", "a_", "b", "c10", "C2", "_x"};
    EXPECT_EQ(key.subkeyNames(), expected);
    QStringList byIndex;
    QString name;
    for (int i = 0; key.enumKey(i, &name) == ERROR_SUCCESS; ++i)
        byIndex << name;
    EXPECT_EQ(byIndex, expected);
    EXPECT_EQ(key.enumKey(6, &name), ERROR_NO_MORE_ITEMS);

    key.setDword("zeta", 1);
    key.setDword("alpha", 2);
    key.setDword("Mid", 3);
    key.setDword("ZETA", 4); // set again: keeps its first place
    key.deleteValue("alpha");
    key.setDword("alpha", 5); // deleted and created anew: goes to the end
    EXPECT_EQ(valueNames(key), (QStringList{"zeta", "Mid", "alpha"}));
    RegValue value;
    ASSERT_EQ(key.enumValue(0, &name, &value), ERROR_SUCCESS);
    EXPECT_EQ(name, "zeta");
    EXPECT_EQ(value.data, encodeRegDword(4));
    EXPECT_EQ(key.enumValue(3, &name, &value), ERROR_NO_MORE_ITEMS);

    Registry::KeyInfo info;
    ASSERT_EQ(key.info(&info), ERROR_SUCCESS);
    EXPECT_EQ(info.subkeyCount, 6);
    EXPECT_EQ(info.maxSubkeyNameLength, 3);
    EXPECT_EQ(info.valueCount, 3);
    EXPECT_EQ(info.maxValueNameLength, 5);
    EXPECT_EQ(info.maxValueDataSize, 4);
}

TEST_F(RegistryTest, ValuesKeepTypesAndRawBytes) {
    RegKey key = RegKey::create(RegRoot::CurrentUser, "Types");
    key.setString("sz", QString::fromUtf8("ab错"));
    key.setExpandString("expand", "%HOME%\\x");
    key.setDword("dword", 0x12345678);
    key.setBinary("bin", QByteArray("\x00\x01\xff", 3));
    key.setString("", "default");
    key.setBinary("empty", QByteArray());

    RegValue v;
    ASSERT_EQ(key.queryValue("sz", &v), ERROR_SUCCESS);
    EXPECT_EQ(v.type, REG_SZ);
    EXPECT_EQ(v.data, QByteArray("a\0b\0\x19\x95\0\0", 8)); // UTF-16LE + NUL
    ASSERT_EQ(key.queryValue("expand", &v), ERROR_SUCCESS);
    EXPECT_EQ(v.type, REG_EXPAND_SZ);
    EXPECT_EQ(v.data.size(), (8 + 1) * 2);
    ASSERT_EQ(key.queryValue("dword", &v), ERROR_SUCCESS);
    EXPECT_EQ(v.data, QByteArray("\x78\x56\x34\x12", 4));
    ASSERT_EQ(key.queryValue("bin", &v), ERROR_SUCCESS);
    EXPECT_EQ(v.type, REG_BINARY);
    EXPECT_EQ(v.data, QByteArray("\x00\x01\xff", 3));
    ASSERT_EQ(key.queryValue("empty", &v), ERROR_SUCCESS);
    EXPECT_TRUE(v.data.isEmpty());
    EXPECT_EQ(key.readString(""), "default");
    EXPECT_EQ(key.readString("sz"), QString::fromUtf8("ab错"));
    EXPECT_EQ(key.readString("expand"), "%HOME%\\x"); // never expanded
    EXPECT_EQ(key.readDword("dword"), 0x12345678u);
}

TEST_F(RegistryTest, TypedReadsTellMissingFromWrongType) {
    RegKey key = RegKey::create(RegRoot::CurrentUser, "Typed");
    key.setString("text", "5");
    key.setValue("short", REG_DWORD, QByteArray("\x01\x02", 2));
    key.setValue("odd", REG_SZ, QByteArray("a\0b", 3)); // no NUL, odd size: the odd byte is dropped
    key.setValue("unknown", 7, QByteArray("x"));

    RegReadStatus status;
    EXPECT_FALSE(key.readDword("absent", &status));
    EXPECT_EQ(status, RegReadStatus::Missing);
    EXPECT_FALSE(key.readDword("text", &status));
    EXPECT_EQ(status, RegReadStatus::WrongType);
    EXPECT_FALSE(key.readDword("short", &status));
    EXPECT_EQ(status, RegReadStatus::WrongType);
    EXPECT_FALSE(key.readString("short", &status));
    EXPECT_EQ(status, RegReadStatus::WrongType);
    EXPECT_FALSE(key.readBinary("text", &status));
    EXPECT_EQ(status, RegReadStatus::WrongType);
    EXPECT_EQ(key.readString("odd", &status), "a");
    EXPECT_EQ(status, RegReadStatus::Ok);
    RegValue v;
    ASSERT_EQ(key.queryValue("unknown", &v), ERROR_SUCCESS);
    EXPECT_EQ(v.type, 7u);
}

TEST_F(RegistryTest, DeleteTreeRemovesEverythingBelowAndStaleHandlesFail) {
    RegKey top = RegKey::create(RegRoot::CurrentUser, "Tree");
    RegKey deep = top.createSubkey("a\\b\\c");
    deep.setString("v", "x");
    top.createSubkey("other").setDword("keep", 1);

    EXPECT_EQ(top.deleteSubtree("A"), ERROR_SUCCESS);
    EXPECT_FALSE(top.openSubkey("a"));
    EXPECT_EQ(top.subkeyNames(), QStringList{"other"});
    EXPECT_EQ(deep.setString("v", "y"), ERROR_KEY_DELETED);
    EXPECT_FALSE(deep.readString("v"));
    EXPECT_EQ(top.deleteSubtree("a"), ERROR_FILE_NOT_FOUND);

    // A new key never takes over a deleted key's handle.
    RegKey fresh = top.createSubkey("a\\b\\c");
    EXPECT_NE(fresh.id(), deep.id());
    EXPECT_FALSE(deep.readString("v"));

    EXPECT_EQ(top.deleteValue("nothing"), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(RegKey::root(RegRoot::CurrentUser).deleteSubtree("Tree"), ERROR_SUCCESS);
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, "Tree\\other"));
}

TEST_F(RegistryTest, TransactionsPublishAllOrNothing) {
    RegKey key = RegKey::create(RegRoot::CurrentUser, "List");
    key.setString("url1", "old");
    {
        RegTransaction tx;
        RegKey::root(RegRoot::CurrentUser).deleteSubtree("List");
        RegKey::create(RegRoot::CurrentUser, "List").setString("url1", "new");
        // Destroyed without commit: rolled back.
    }
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "List").readString("url1"), "old");

    {
        RegTransaction outer;
        {
            RegTransaction inner;
            RegKey::create(RegRoot::CurrentUser, "List").setString("url2", "b");
            EXPECT_EQ(inner.commit(), ERROR_SUCCESS);
        }
        RegKey::create(RegRoot::CurrentUser, "List").setString("url3", "c");
        EXPECT_EQ(outer.commit(), ERROR_SUCCESS);
    }
    RegKey list = RegKey::open(RegRoot::CurrentUser, "List");
    EXPECT_EQ(valueNames(list), (QStringList{"url1", "url2", "url3"}));

    // An inner rollback dooms the outer transaction.
    {
        RegTransaction outer;
        list.setString("url4", "d");
        { RegTransaction inner; }
        EXPECT_NE(list.setString("url5", "e"), ERROR_SUCCESS);
        EXPECT_NE(outer.commit(), ERROR_SUCCESS);
    }
    EXPECT_FALSE(list.readString("url4"));
    // Logical refusals inside a transaction do not doom it.
    {
        RegTransaction tx;
        EXPECT_EQ(list.deleteValue("missing"), ERROR_FILE_NOT_FOUND);
        list.setString("url4", "d");
        EXPECT_EQ(tx.commit(), ERROR_SUCCESS);
    }
    EXPECT_EQ(list.readString("url4"), "d");
}

TEST_F(RegistryTest, DatabaseFileIsPrivateAndDamagedFilesAreSetAsideBySalvage) {
    const QString dir = testenv::freshDir("private") + "/new/quorrelin";
    {
        Registry r(dir + "/registry.db");
        ASSERT_TRUE(r.isOpen());
    }
    struct stat st {};
    ASSERT_EQ(::stat(QFile::encodeName(dir).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(QFile::encodeName(dir + "/registry.db").constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);

    const QString damaged = testenv::freshDir("damaged") + "/registry.db";
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'Z'));
    }
    // Opening only finds the damage; salvage sets the file aside and starts
    // a new one.
    Registry r(damaged);
    EXPECT_EQ(r.openProblem().kind, RegProblemKind::Damaged);
    std::int64_t id = 0;
    EXPECT_NE(r.createKey(r.rootId(RegRoot::CurrentUser), "Works", &id), ERROR_SUCCESS);
    EXPECT_TRUE(QFileInfo(damaged).dir().entryList({"registry.db.damaged-*"}).isEmpty());
    EXPECT_EQ(r.salvage(), ERROR_SUCCESS);
    EXPECT_EQ(r.createKey(r.rootId(RegRoot::CurrentUser), "Works", &id), ERROR_SUCCESS);
    const QStringList aside = QFileInfo(damaged).dir().entryList({"registry.db.damaged-*"});
    EXPECT_EQ(aside.size(), 1);
}

TEST_F(RegistryTest, DefaultPathFollowsTheEnvironment) {
    const QByteArray saved = qgetenv("QUORRELIN_REGISTRY");
    qunsetenv("QUORRELIN_REGISTRY");
    EXPECT_EQ(Registry::defaultPath(),
              QFile::decodeName(qgetenv("XDG_CONFIG_HOME")) + "/quorrelin/registry.db");
    qputenv("QUORRELIN_REGISTRY", saved);
    EXPECT_EQ(Registry::defaultPath(), QFile::decodeName(saved));
}

// ---------------------------------------------------------------------------
// Several processes

namespace {

// Runs body in a child process on its own connection to path; returns the
// child's pid. The child exits 0 when body returns true.
template <class F>
pid_t inChild(F body) {
    const pid_t pid = ::fork();
    if (pid == 0)
        ::_exit(body() ? 0 : 1);
    return pid;
}

int waitExit(pid_t pid) {
    int status = 0;
    ::waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool writeMany(const QString& path, const QString& prefix, int count) {
    Registry r(path);
    std::int64_t key = 0;
    for (int i = 0; i < count; ++i) {
        if (r.createKey(r.rootId(RegRoot::CurrentUser), "Shared\\" + prefix, &key) != ERROR_SUCCESS)
            return false;
        if (r.setValue(key, prefix + QString::number(i), REG_DWORD, encodeRegDword(i)) !=
            ERROR_SUCCESS)
            return false;
        RegValue v;
        if (r.queryValue(key, prefix + QString::number(i), &v) != ERROR_SUCCESS)
            return false;
    }
    return true;
}

// Rewrites the 100-value list "List" over and over, alternating its content.
[[noreturn]] void rewriteForever(const QString& path) {
    Registry r(path);
    const std::int64_t root = r.rootId(RegRoot::CurrentUser);
    for (int round = 0;; ++round) {
        const QString text = round % 2 ? "new" : "old";
        r.beginTransaction();
        r.deleteTree(root, "List");
        std::int64_t key = 0;
        r.createKey(root, "List", &key);
        for (int i = 1; i <= 100; ++i)
            r.setValue(key, "url" + QString::number(i), REG_EXPAND_SZ,
                       encodeRegString(text + QString::number(i)));
        r.commitTransaction();
    }
}

} // namespace

TEST_F(RegistryTest, TwoProcessesWriteAndReadAtOnce) {
    const QString path = Registry::instance().path();
    const pid_t a = inChild([&] { return writeMany(path, "a", 300); });
    const pid_t b = inChild([&] { return writeMany(path, "b", 300); });
    EXPECT_TRUE(writeMany(path, "c", 300));
    EXPECT_EQ(waitExit(a), 0);
    EXPECT_EQ(waitExit(b), 0);
    Registry r(path);
    for (const char* prefix : {"a", "b", "c"}) {
        RegKey key = RegKey::open(RegRoot::CurrentUser, QString("Shared\\") + prefix, nullptr, &r);
        ASSERT_TRUE(key);
        EXPECT_EQ(key.values().size(), 300u);
    }
}

TEST_F(RegistryTest, KillDuringListRewriteLeavesOldOrNewListWhole) {
    const QString path = Registry::instance().path();
    for (int attempt = 0; attempt < 6; ++attempt) {
        const pid_t writer = ::fork();
        if (writer == 0)
            rewriteForever(path);
        std::this_thread::sleep_for(std::chrono::milliseconds(40 + 23 * attempt));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);

        Registry r(path);
        ASSERT_TRUE(r.isOpen());
        RegKey list = RegKey::open(RegRoot::CurrentUser, "List", nullptr, &r);
        if (!list)
            continue; // killed before the first commit
        const auto values = list.values();
        ASSERT_EQ(values.size(), 100u) << "attempt " << attempt;
        const QString first = decodeRegString(values[0].value.data).left(3);
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(values[i].name, "url" + QString::number(i + 1));
            EXPECT_EQ(decodeRegString(values[i].value.data), first + QString::number(i + 1));
        }
    }
}
