// Salvage of a damaged registry database: every key and value that can still
// be read goes into a new database, and the damaged file is kept beside it.
#include "platform/registry/Registry.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <limits>
#include <optional>
#include <unordered_set>

namespace platform {

namespace {

struct SalvagedKey {
    std::int64_t id;
    std::int64_t parent; // 0 for a root
    QByteArray name;
    QByteArray fold;
};

struct SalvagedValue {
    std::int64_t key;
    QByteArray name;
    QByteArray fold;
    std::int64_t type;
    QByteArray data;
    std::int64_t seq;
};

QByteArray columnBytes(sqlite3_stmt* st, int col) {
    const auto* p = static_cast<const char*>(sqlite3_column_blob(st, col));
    const int n = sqlite3_column_bytes(st, col);
    return n > 0 ? QByteArray(p, n) : QByteArray();
}

// Steps through a table in key order from a starting point. When a page
// cannot be read the scan starts again further on, first one key ahead,
// then twice as far each time, so the rows of the pages around a damaged
// one are still found. Gives up after a bounded number of restarts.
template <class Bind, class Row, class Advance>
void tolerantScan(sqlite3* db, const char* sql, Bind bind, Row row, Advance advance) {
    sqlite3_stmt* st = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &st, nullptr) != SQLITE_OK) {
        sqlite3_finalize(st);
        return;
    }
    std::int64_t skip = 0;
    for (int restarts = 0; restarts < 4096;) {
        sqlite3_reset(st);
        bind(st, skip);
        int rc;
        bool progressed = false;
        while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
            row(st);
            progressed = true;
        }
        if (rc == SQLITE_DONE)
            break;
        ++restarts;
        skip = progressed || skip == 0 ? 1 : skip * 2;
        if (skip > (std::int64_t(1) << 40))
            break;
        advance();
    }
    sqlite3_finalize(st);
}

} // namespace

// Reads what it can from the damaged database and writes the new one.
class RegistrySalvager {
public:
    explicit RegistrySalvager(sqlite3* db) : db_(db) {}

    void readKeys() {
        std::int64_t last = 0;
        tolerantScan(
            db_, "SELECT id, parent, name, fold FROM keys WHERE id > ?1 ORDER BY id",
            [&](sqlite3_stmt* st, std::int64_t skip) { sqlite3_bind_int64(st, 1, last + skip - 1); },
            [&](sqlite3_stmt* st) {
                last = sqlite3_column_int64(st, 0);
                keys_.push_back({last, sqlite3_column_int64(st, 1), columnBytes(st, 2),
                                 columnBytes(st, 3)});
            },
            [] {});
    }

    void readValues() {
        std::int64_t lastKey = 0;
        QByteArray lastFold;
        bool restart = false;
        tolerantScan(
            db_,
            "SELECT key, name, fold, type, data, seq FROM vals "
            "WHERE key > ?1 OR (key = ?1 AND fold > ?2) ORDER BY key, fold",
            [&](sqlite3_stmt* st, std::int64_t skip) {
                if (restart) {
                    // Past the damaged page: from the next keys on.
                    lastKey += skip - 1;
                    lastFold = QByteArray("\xff\xff\xff\xff", 4);
                }
                sqlite3_bind_int64(st, 1, lastKey);
                sqlite3_bind_blob(st, 2, lastFold.constData(), int(lastFold.size()),
                                  SQLITE_TRANSIENT);
            },
            [&](sqlite3_stmt* st) {
                restart = false;
                lastKey = sqlite3_column_int64(st, 0);
                lastFold = columnBytes(st, 2);
                values_.push_back({lastKey, columnBytes(st, 1), lastFold,
                                   sqlite3_column_int64(st, 3), columnBytes(st, 4),
                                   sqlite3_column_int64(st, 5)});
            },
            [&] { restart = true; });
    }

    // The values once more through the index by key and creation order: it
    // reaches the values behind a damaged page of the table, which the scan
    // in name order cannot step over within one key. Rows found twice are
    // written once.
    void readValuesBySeq() {
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_,
                               "SELECT key, name, fold, type, data, seq FROM vals "
                               "INDEXED BY vals_by_seq WHERE (key, seq) > (?1, ?2) "
                               "ORDER BY key, seq",
                               -1, &st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(st);
            return;
        }
        std::int64_t key = 0;
        std::int64_t seq = 0;
        std::int64_t skip = 0;
        for (int restarts = 0; restarts < 100000; ++restarts) {
            sqlite3_reset(st);
            sqlite3_bind_int64(st, 1, key);
            sqlite3_bind_int64(st, 2, seq + skip);
            bool progressed = false;
            int rc;
            while ((rc = sqlite3_step(st)) == SQLITE_ROW) {
                key = sqlite3_column_int64(st, 0);
                seq = sqlite3_column_int64(st, 5);
                values_.push_back({key, columnBytes(st, 1), columnBytes(st, 2),
                                   sqlite3_column_int64(st, 3), columnBytes(st, 4), seq});
                progressed = true;
                skip = 0;
            }
            if (rc == SQLITE_DONE)
                break;
            // Past the row that failed: one further, then twice as far each
            // time; far enough on, the next key.
            skip = progressed || skip == 0 ? 1 : skip * 2;
            if (skip > (std::int64_t(1) << 24)) {
                ++key;
                seq = std::numeric_limits<std::int64_t>::min() / 2;
                skip = 0;
            }
        }
        sqlite3_finalize(st);
    }

    // Keys whose chain of parents reaches a root are kept, values of kept
    // keys with them. A key is always made after its parent, so its id is
    // larger: one pass in id order finds every kept key.
    bool write(sqlite3* target) {
        std::unordered_set<std::int64_t> kept{1, 2, 3};
        for (const SalvagedKey& k : keys_) {
            if (k.id > 3 && k.parent < k.id && kept.count(k.parent))
                kept.insert(k.id);
        }
        if (sqlite3_exec(target, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr) != SQLITE_OK)
            return false;
        bool ok = true;
        sqlite3_stmt* insertKey = nullptr;
        sqlite3_stmt* insertValue = nullptr;
        ok &= sqlite3_prepare_v2(target,
                                 "INSERT OR IGNORE INTO keys(id, parent, name, fold) "
                                 "VALUES(?1, ?2, ?3, ?4)",
                                 -1, &insertKey, nullptr) == SQLITE_OK;
        ok &= sqlite3_prepare_v2(target,
                                 "INSERT OR IGNORE INTO vals(key, name, fold, type, data, seq) "
                                 "VALUES(?1, ?2, ?3, ?4, ?5, ?6)",
                                 -1, &insertValue, nullptr) == SQLITE_OK;
        for (const SalvagedKey& k : keys_) {
            if (!ok || k.id <= 3 || !kept.count(k.id))
                continue;
            sqlite3_reset(insertKey);
            sqlite3_bind_int64(insertKey, 1, k.id);
            sqlite3_bind_int64(insertKey, 2, k.parent);
            sqlite3_bind_text(insertKey, 3, k.name.constData(), int(k.name.size()), SQLITE_STATIC);
            sqlite3_bind_text(insertKey, 4, k.fold.constData(), int(k.fold.size()), SQLITE_STATIC);
            ok &= sqlite3_step(insertKey) == SQLITE_DONE;
        }
        for (const SalvagedValue& v : values_) {
            if (!ok || !kept.count(v.key))
                continue;
            sqlite3_reset(insertValue);
            sqlite3_bind_int64(insertValue, 1, v.key);
            sqlite3_bind_text(insertValue, 2, v.name.constData(), int(v.name.size()), SQLITE_STATIC);
            sqlite3_bind_text(insertValue, 3, v.fold.constData(), int(v.fold.size()), SQLITE_STATIC);
            sqlite3_bind_int64(insertValue, 4, v.type);
            sqlite3_bind_blob(insertValue, 5, v.data.isEmpty() ? "" : v.data.constData(),
                              int(v.data.size()), SQLITE_STATIC);
            sqlite3_bind_int64(insertValue, 6, v.seq);
            ok &= sqlite3_step(insertValue) == SQLITE_DONE;
        }
        sqlite3_finalize(insertKey);
        sqlite3_finalize(insertValue);
        ok = ok && sqlite3_exec(target, "COMMIT", nullptr, nullptr, nullptr) == SQLITE_OK;
        if (!ok)
            sqlite3_exec(target, "ROLLBACK", nullptr, nullptr, nullptr);
        return ok;
    }

private:
    sqlite3* db_;
    std::vector<SalvagedKey> keys_;
    std::vector<SalvagedValue> values_;
};

RegError Registry::salvage(QString* keptAs) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (access_ != Access::ReadWrite || txDepth_ > 0)
        return ERROR_ACCESS_DENIED;
    if (openProblem_.kind != RegProblemKind::Damaged)
        return ERROR_SUCCESS;
    closeConnection();
    // A connection of its own that only reads, and that overlooks a damaged
    // schema (a table whose pages lie beyond the end of a truncated file)
    // so that the tables that are still whole can be read.
    sqlite3* source = nullptr;
    std::optional<RegistrySalvager> salvager;
    if (sqlite3_open_v2(QFile::encodeName(path_).constData(), &source, SQLITE_OPEN_READONLY,
                        nullptr) == SQLITE_OK) {
        sqlite3_exec(source, "PRAGMA writable_schema=ON", nullptr, nullptr, nullptr);
        salvager.emplace(source);
        salvager->readKeys();
        salvager->readValues();
        salvager->readValuesBySeq();
    }
    sqlite3_close(source);
    if (!salvager)
        salvager.emplace(nullptr);

    // The new database is made whole under a temporary name first, so a
    // failure (a full disk, say) leaves the damaged file where it was.
    const QString fresh = path_ + QStringLiteral(".salvage");
    QFile::remove(fresh);
    QFile::remove(fresh + QStringLiteral("-wal"));
    QFile::remove(fresh + QStringLiteral("-shm"));
    RegError error = ERROR_SUCCESS;
    {
        Registry target(fresh);
        if (!target.isWritable())
            error = regProblemError(target.openProblem().kind);
        else if (!salvager->write(target.db_))
            error = target.sqliteError(sqlite3_extended_errcode(target.db_));
    }
    const QString kept =
        path_ + QStringLiteral(".damaged-") + QString::number(QDateTime::currentMSecsSinceEpoch());
    if (error == ERROR_SUCCESS && !QFile::rename(path_, kept))
        error = ERROR_ACCESS_DENIED;
    if (error != ERROR_SUCCESS) {
        QFile::remove(fresh);
        open();
        return error;
    }
    // A log with content belongs to the damaged file; the shared memory is
    // rebuilt.
    const QString wal = path_ + QStringLiteral("-wal");
    if (QFileInfo(wal).size() > 0)
        QFile::rename(wal, kept + QStringLiteral("-wal"));
    else
        QFile::remove(wal);
    QFile::remove(path_ + QStringLiteral("-shm"));
    QFile::rename(fresh, path_);
    open();
    if (!openProblem_) {
        openProblem_.kind = RegProblemKind::Damaged;
        openProblem_.keptAs = kept;
        openProblem_.detail = QStringLiteral("salvaged");
        writable_ = db_ != nullptr;
    }
    if (keptAs)
        *keptAs = kept;
    return db_ ? ERROR_SUCCESS : unusableError();
}

} // namespace platform
