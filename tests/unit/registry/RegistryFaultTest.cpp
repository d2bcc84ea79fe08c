// The registry under faults from outside: files it may not write, things
// that are not files, another process holding the write lock, a full disk,
// and names the store cannot keep.
#include "platform/registry/RegKey.h"
#include "platform/registry/RegSnapshot.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <csignal>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace platform;

namespace {

// A registry file at dir/registry.db holding HKCU\Data "Kept" = 7, closed
// again (so its log is folded in and gone).
QString makeRegistry(const QString& dir) {
    const QString path = dir + "/registry.db";
    Registry r(path);
    RegKey::create(RegRoot::CurrentUser, "Data", nullptr, &r).setDword("Kept", 7);
    return path;
}

// chattr +i makes a file or folder unchangeable even for root, where mode
// bits are no obstacle. Undone by the guard.
class Immutable {
public:
    explicit Immutable(const QString& path) : path_(path) {
        ok_ = QProcess::execute("chattr", {"+i", path_}) == 0;
    }
    ~Immutable() {
        if (ok_)
            QProcess::execute("chattr", {"-i", path_});
    }
    bool ok() const { return ok_; }

private:
    QString path_;
    bool ok_ = false;
};

void expectReadableButNotWritable(const QString& path) {
    const QByteArray before = testenv::readTestFile(path);
    Registry r(path);
    ASSERT_TRUE(r.isOpen());
    EXPECT_FALSE(r.isWritable());
    EXPECT_EQ(r.openProblem().kind, RegProblemKind::ReadOnly);
    const RegKey data = RegKey::open(RegRoot::CurrentUser, "Data", nullptr, &r);
    EXPECT_EQ(data.readDword("Kept"), 7u);
    EXPECT_EQ(data.setDword("Kept", 8), ERROR_ACCESS_DENIED);
    EXPECT_EQ(r.lastFailure().kind, RegProblemKind::ReadOnly);
    RegTransaction tx(&r);
    EXPECT_EQ(tx.beginError(), ERROR_ACCESS_DENIED);
    EXPECT_EQ(testenv::readTestFile(path), before);
    EXPECT_NE(describeRegProblem(r.openProblem()).indexOf("read-only"), -1);
}

} // namespace

TEST(RegistryFaultTest, AReadOnlyFileOrFolderIsReadAndNeverWritten) {
    const QString fileDir = testenv::freshDir("ro-file");
    const QString filePath = makeRegistry(fileDir);
    {
        Immutable lock(filePath);
        if (!lock.ok())
            GTEST_SKIP() << "chattr +i is not possible here";
        expectReadableButNotWritable(filePath);
    }
    const QString folder = testenv::freshDir("ro-folder");
    const QString inFolder = makeRegistry(folder);
    Immutable lock(folder);
    ASSERT_TRUE(lock.ok());
    expectReadableButNotWritable(inFolder);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 1) << "nothing made beside it";
}

TEST(RegistryFaultTest, AFolderOrPipeInPlaceOfTheFileIsRefusedWithoutWaiting) {
    const QString dir = testenv::freshDir("not-a-file");
    ASSERT_TRUE(QDir().mkpath(dir + "/folder.db"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir + "/pipe.db").constData(), 0600), 0);
    for (const char* name : {"/folder.db", "/pipe.db"}) {
        for (auto access : {Registry::Access::ReadWrite, Registry::Access::ReadOnly}) {
            QElapsedTimer clock;
            clock.start();
            Registry r(dir + name, access);
            EXPECT_LT(clock.elapsed(), 2000);
            EXPECT_FALSE(r.isOpen());
            EXPECT_EQ(r.openProblem().kind, RegProblemKind::NotAFile) << name;
            std::int64_t id = 0;
            EXPECT_NE(r.createKey(r.rootId(RegRoot::CurrentUser), "X", &id), ERROR_SUCCESS);
        }
    }
}

TEST(RegistryFaultTest, AReadOnlyUseOfAMissingFileCreatesNothing) {
    const QString path = testenv::freshDir("missing") + "/sub/registry.db";
    Registry r(path, Registry::Access::ReadOnly);
    EXPECT_FALSE(r.openProblem());
    RegError error = ERROR_SUCCESS;
    EXPECT_FALSE(RegKey::open(RegRoot::CurrentUser, "Data", &error, &r));
    EXPECT_EQ(error, ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_FALSE(QDir(QFileInfo(path).absolutePath()).exists());
}

// ---------------------------------------------------------------------------
// Another process holding the write lock

namespace {

// A child process that takes the registry's write lock and keeps it until
// killed. Returns its pid once the lock is held.
pid_t holdWriteLock(const QString& path) {
    return testenv::forkAndHold([path] {
        auto* r = new Registry(path); // the child ends without clean-up
        r->beginTransaction();
        return RegKey::create(RegRoot::CurrentUser, "Holder", nullptr, r).setDword("Busy", 1) ==
               ERROR_SUCCESS;
    });
}

void stop(pid_t pid) {
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

} // namespace

TEST(RegistryFaultTest, ReadsNeverWaitForAWriterAndWritesNameTheHolder) {
    const QString path = makeRegistry(testenv::freshDir("locked"));
    const pid_t holder = holdWriteLock(path);
    ASSERT_GT(holder, 0);

    QElapsedTimer clock;
    clock.start();
    for (auto access : {Registry::Access::ReadWrite, Registry::Access::ReadOnly}) {
        Registry reader(path, access);
        EXPECT_FALSE(reader.openProblem());
        RegSnapshot snapshot(&reader);
        EXPECT_EQ(snapshot.beginError(), ERROR_SUCCESS);
        EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "Data", nullptr, &reader).readDword("Kept"),
                  7u);
    }
    EXPECT_LT(clock.elapsed(), 2000) << "opening and reading took the write lock";

    Registry writer(path);
    writer.setBusyTimeout(300);
    clock.restart();
    const RegKey data = RegKey::open(RegRoot::CurrentUser, "Data", nullptr, &writer);
    EXPECT_EQ(data.setDword("Kept", 9), ERROR_BUSY);
    EXPECT_LT(clock.elapsed(), 3000) << "the wait is bounded";
    const RegProblem failure = writer.lastFailure();
    EXPECT_EQ(failure.kind, RegProblemKind::Locked);
    EXPECT_NE(failure.detail.indexOf(QString::number(holder)), -1) << failure.detail.toStdString();
    EXPECT_NE(describeRegProblem(failure).indexOf("locked by"), -1);

    stop(holder);
    EXPECT_EQ(data.setDword("Kept", 9), ERROR_SUCCESS);
}

// ---------------------------------------------------------------------------
// A full disk

namespace {

class SmallDisk {
public:
    explicit SmallDisk(const QString& dir) : dir_(dir) {
        mounted_ = ::mount("tmpfs", QFile::encodeName(dir).constData(), "tmpfs", 0,
                           "size=320k,mode=0700") == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            ::umount2(QFile::encodeName(dir_).constData(), MNT_DETACH);
    }
    bool mounted() const { return mounted_; }

private:
    QString dir_;
    bool mounted_ = false;
};

} // namespace

TEST(RegistryFaultTest, AFullDiskIsReportedAsSuchAndLosesNothingCommitted) {
    const QString dir = testenv::freshDir("small-disk");
    SmallDisk disk(dir);
    if (!disk.mounted())
        GTEST_SKIP() << "cannot mount a small tmpfs here (needs root)";
    const QString path = makeRegistry(dir);
    Registry r(path);
    ASSERT_TRUE(r.isWritable());
    const RegKey key = RegKey::create(RegRoot::CurrentUser, "Fill", nullptr, &r);
    const QByteArray block(8000, 'x');
    RegError error = ERROR_SUCCESS;
    int written = 0;
    while (error == ERROR_SUCCESS && written < 1000) {
        RegTransaction tx(&r);
        for (int i = 0; i < 4 && error == ERROR_SUCCESS; ++i)
            error = key.setBinary(QString::number(written * 4 + i), block);
        if (error == ERROR_SUCCESS)
            error = tx.commit();
        if (error == ERROR_SUCCESS)
            ++written;
    }
    EXPECT_EQ(error, ERROR_DISK_FULL);
    EXPECT_EQ(r.lastFailure().kind, RegProblemKind::DiskFull);
    EXPECT_NE(describeRegProblem(r.lastFailure()).indexOf("disk"), -1);

    Registry again(path, Registry::Access::ReadOnly);
    EXPECT_FALSE(again.openProblem()) << describeRegProblem(again.openProblem()).toStdString();
    const RegKey fill = RegKey::open(RegRoot::CurrentUser, "Fill", nullptr, &again);
    EXPECT_GE(static_cast<int>(fill.values().size()), written * 4);
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "Data", nullptr, &again).readDword("Kept"), 7u);
}

// ---------------------------------------------------------------------------
// Names and depth

TEST(RegistryFaultTest, NamesWithUnpairedSurrogatesAreRefusedNotMerged) {
    testenv::useFreshRegistry();
    const RegKey key = RegKey::create(RegRoot::CurrentUser, "Names");
    const QString lone[] = {QStringLiteral("a") + QChar(0xD800), QStringLiteral("a") + QChar(0xD801),
                            QStringLiteral("a") + QChar(0xDC00) + QStringLiteral("b")};
    for (const QString& name : lone) {
        EXPECT_EQ(key.setDword(name, 1), ERROR_INVALID_PARAMETER);
        RegError error = ERROR_SUCCESS;
        EXPECT_FALSE(key.createSubkey(name, &error));
        EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
    }
    EXPECT_TRUE(key.values().empty());
    EXPECT_TRUE(key.subkeyNames().isEmpty());
    // A proper pair is a character like any other.
    const QString pair = QStringLiteral("a") + QChar(0xD83D) + QChar(0xDE00);
    EXPECT_EQ(key.setDword(pair, 2), ERROR_SUCCESS);
    EXPECT_EQ(key.readDword(pair), 2u);
}

TEST(RegistryFaultTest, KeysGoAtMost512LevelsDeep) {
    testenv::useFreshRegistry();
    QStringList parts;
    for (int i = 0; i < 511; ++i)
        parts << "k";
    RegError error = ERROR_SUCCESS;
    const RegKey deep = RegKey::create(RegRoot::CurrentUser, parts.join('\\'), &error);
    ASSERT_EQ(error, ERROR_SUCCESS);
    EXPECT_TRUE(deep.createSubkey("last", &error));
    EXPECT_EQ(error, ERROR_SUCCESS) << "level 512";
    const RegKey last = deep.openSubkey("last");
    EXPECT_FALSE(last.createSubkey("beyond", &error));
    EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(deep.createSubkey("a\\b", &error));
    EXPECT_EQ(error, ERROR_INVALID_PARAMETER);
    EXPECT_FALSE(deep.openSubkey("a")) << "nothing made on the way";
}
