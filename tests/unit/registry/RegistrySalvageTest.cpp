// Damaged registry files: found when opened, never dropped or moved by a
// reading use, salvaged into a new file by a writing one with the damaged
// file kept beside it.
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"
#include "support/TestEnv.h"
#include "support/TestFiles.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <random>

using namespace platform;

namespace {

constexpr int kPage = 4096;
constexpr int kEntries = 10000;

// Settings\TabWidth = 77 first, then a list of kEntries values.
QString makeRegistry(const QString& name) {
    const QString path = testenv::freshDir(name) + "/registry.db";
    Registry r(path);
    RegKey::create(RegRoot::CurrentUser, "Settings", nullptr, &r).setDword("TabWidth", 77);
    RegTransaction tx(&r);
    const RegKey list = RegKey::create(RegRoot::CurrentUser, "Settings\\AutoClose", nullptr, &r);
    for (int i = 1; i <= kEntries; ++i)
        list.setExpandString("url" + QString::number(i),
                             QString("http://popup%1.example.org/advert/banner.html").arg(i));
    EXPECT_EQ(tx.commit(), ERROR_SUCCESS);
    return path;
}

// Overwrites pages first..last (counted from 1) with random bytes.
void scramblePages(const QString& path, int first, int last, unsigned seed) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    std::mt19937 random(seed);
    for (int page = first; page <= last; ++page) {
        QByteArray junk(kPage, '\0');
        for (char& c : junk)
            c = static_cast<char>(random());
        f.seek(qint64(page - 1) * kPage);
        f.write(junk);
    }
}

int listCount(Registry* r) {
    return static_cast<int>(
        RegKey::open(RegRoot::CurrentUser, "Settings\\AutoClose", nullptr, r).values().size());
}

QStringList keptFiles(const QString& path) {
    return QFileInfo(path).dir().entryList({"registry.db.damaged-*"}, QDir::Files);
}

// Salvages path and checks the outcome every salvage must have: the
// damaged bytes kept beside it, a new file that checks out and takes writes.
void salvageAndCheck(const QString& path, const QByteArray& damagedBytes, Registry* r) {
    QString keptAs;
    ASSERT_EQ(r->salvage(&keptAs), ERROR_SUCCESS);
    EXPECT_EQ(r->openProblem().kind, RegProblemKind::Damaged);
    EXPECT_EQ(r->openProblem().keptAs, keptAs);
    EXPECT_EQ(testenv::readTestFile(keptAs), damagedBytes);
    EXPECT_TRUE(r->isWritable());
    EXPECT_EQ(RegKey::create(RegRoot::CurrentUser, "After", nullptr, r).setDword("x", 1),
              ERROR_SUCCESS);
    Registry fresh(path);
    EXPECT_FALSE(fresh.openProblem()) << describeRegProblem(fresh.openProblem()).toStdString();
}

} // namespace

TEST(RegistrySalvageTest, DamagedPagesAreFoundAndOnlyAWritingUseSalvages) {
    const QString path = makeRegistry("pages");
    scramblePages(path, 100, 139, 1);
    const QByteArray damaged = testenv::readTestFile(path);

    // Reading uses see the damage and change nothing.
    for (auto access : {Registry::Access::ReadOnly, Registry::Access::ReadWrite}) {
        Registry r(path, access);
        EXPECT_EQ(r.openProblem().kind, RegProblemKind::Damaged);
        EXPECT_FALSE(r.isWritable());
        EXPECT_NE(RegKey::create(RegRoot::CurrentUser, "New", nullptr, &r).setDword("x", 1),
                  ERROR_SUCCESS);
    }
    EXPECT_EQ(testenv::readTestFile(path), damaged);
    EXPECT_TRUE(keptFiles(path).isEmpty());

    Registry r(path);
    salvageAndCheck(path, damaged, &r);
    EXPECT_EQ(keptFiles(path).size(), 1);
    EXPECT_EQ(RegKey::open(RegRoot::CurrentUser, "Settings", nullptr, &r).readDword("TabWidth"),
              77u);
    // Forty of some four hundred pages were lost, not the whole list.
    const int kept = listCount(&r);
    EXPECT_GT(kept, kEntries / 2);
    EXPECT_LT(kept, kEntries);
}

TEST(RegistrySalvageTest, DamageNearTheStartAndTruncationAreSalvagedToo) {
    {
        // Page 2 holds the start of the tables; its damage used to read as
        // "not an error".
        const QString path = makeRegistry("page2");
        scramblePages(path, 2, 2, 2);
        Registry r(path);
        EXPECT_EQ(r.openProblem().kind, RegProblemKind::Damaged);
        EXPECT_NE(r.openProblem().detail, "not an error");
        salvageAndCheck(path, testenv::readTestFile(path), &r);
    }
    {
        const QString path = makeRegistry("truncated");
        QFile f(path);
        ASSERT_TRUE(f.resize(f.size() / 2));
        Registry r(path);
        EXPECT_EQ(r.openProblem().kind, RegProblemKind::Damaged);
        salvageAndCheck(path, testenv::readTestFile(path), &r);
        EXPECT_EQ(
            RegKey::open(RegRoot::CurrentUser, "Settings", nullptr, &r).readDword("TabWidth"),
            77u);
        EXPECT_GT(listCount(&r), 0);
    }
    {
        // Not a database at all: nothing to read, but still kept and replaced.
        const QString path = testenv::freshDir("garbage") + "/registry.db";
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(8192, 'Z'));
        f.close();
        Registry r(path);
        EXPECT_EQ(r.openProblem().kind, RegProblemKind::Damaged);
        salvageAndCheck(path, QByteArray(8192, 'Z'), &r);
    }
}

TEST(RegistrySalvageTest, RandomPageDamageNeverCrashesAndAlwaysEndsInAGoodFile) {
    const QString original = makeRegistry("random");
    const QByteArray clean = testenv::readTestFile(original);
    const int pages = static_cast<int>(clean.size() / kPage);
    std::mt19937 random(17);
    for (int round = 0; round < 6; ++round) {
        const QString path = testenv::freshDir(QString("random-%1").arg(round)) + "/registry.db";
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(clean);
        f.close();
        for (int hit = 0; hit < 3; ++hit) {
            const int page = 1 + static_cast<int>(random() % pages);
            scramblePages(path, page, page, random());
        }
        Registry r(path);
        if (r.openProblem().kind != RegProblemKind::Damaged)
            continue; // the junk happened to check out
        salvageAndCheck(path, testenv::readTestFile(path), &r);
    }
}
