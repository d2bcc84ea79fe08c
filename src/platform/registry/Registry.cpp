#include "platform/registry/Registry.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// How long a write waits for another connection's write lock by default.
constexpr int kBusyTimeoutMs = 10000;

std::unique_ptr<Registry>& defaultRegistry() {
    static std::unique_ptr<Registry> registry;
    return registry;
}

Registry::Access& defaultAccess() {
    static Registry::Access access = Registry::Access::ReadWrite;
    return access;
}

std::mutex& defaultMutex() {
    static std::mutex mutex;
    return mutex;
}

QByteArray utf8(const QString& s) { return s.toUtf8(); }

bool validKeyName(const QString& name) {
    return !name.isEmpty() && name.size() <= kMaxKeyNameLength && !hasUnpairedSurrogate(name);
}

} // namespace

// A prepared statement borrowed from the cache; reset and unbound on scope exit.
class Registry::Statement {
public:
    explicit Statement(sqlite3_stmt* stmt) : stmt_(stmt) {}
    ~Statement() {
        if (stmt_) {
            sqlite3_reset(stmt_);
            sqlite3_clear_bindings(stmt_);
        }
    }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool ok() const { return stmt_ != nullptr; }
    void bind(int i, std::int64_t v) { sqlite3_bind_int64(stmt_, i, v); }
    void bind(int i, const QByteArray& text) {
        sqlite3_bind_text(stmt_, i, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    void bindBlob(int i, const QByteArray& data) {
        // A zero-length blob must not bind as NULL.
        sqlite3_bind_blob(stmt_, i, data.isEmpty() ? "" : data.constData(),
                          static_cast<int>(data.size()), SQLITE_TRANSIENT);
    }
    int step() { return sqlite3_step(stmt_); }
    std::int64_t int64(int col) const { return sqlite3_column_int64(stmt_, col); }
    QString text(int col) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, col));
        return QString::fromUtf8(p, sqlite3_column_bytes(stmt_, col));
    }
    QByteArray blob(int col) const {
        const auto* p = static_cast<const char*>(sqlite3_column_blob(stmt_, col));
        const int n = sqlite3_column_bytes(stmt_, col);
        return n > 0 ? QByteArray(p, n) : QByteArray();
    }

private:
    sqlite3_stmt* stmt_;
};

QStringList splitKeyPath(const QString& path) {
    return path.split(QLatin1Char('\\'), Qt::SkipEmptyParts);
}

QString foldRegName(const QString& name) { return name.toUpper(); }

// ---------------------------------------------------------------------------
// Opening

QString Registry::defaultPath() {
    const QByteArray env = qgetenv("QUORRELIN_REGISTRY");
    if (!env.isEmpty())
        return QFile::decodeName(env);
    QString config = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    return config + QStringLiteral("/quorrelin/registry.db");
}

Registry& Registry::instance() {
    std::lock_guard<std::mutex> lock(defaultMutex());
    auto& registry = defaultRegistry();
    if (!registry)
        registry = std::make_unique<Registry>(defaultPath(), defaultAccess());
    return *registry;
}

void Registry::reopenDefault() {
    std::lock_guard<std::mutex> lock(defaultMutex());
    auto& registry = defaultRegistry();
    registry.reset();
    registry = std::make_unique<Registry>(defaultPath(), defaultAccess());
}

void Registry::setDefaultAccess(Access access) {
    std::lock_guard<std::mutex> lock(defaultMutex());
    defaultAccess() = access;
}

Registry::Registry(const QString& path, Access access)
    : path_(path), access_(access), busyTimeoutMs_(kBusyTimeoutMs) {
    open();
}

Registry::~Registry() { closeConnection(); }

// After a failure SQLite may have rolled back already; the outcome of the
// ROLLBACK must not replace the failure that caused it.
void Registry::rollbackQuietly() {
    sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
}

RegError Registry::exec(const char* sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    return rc == SQLITE_OK ? ERROR_SUCCESS : sqliteError(rc);
}

sqlite3_stmt* Registry::prepare(const char* sql) {
    for (auto& entry : statements_)
        if (entry.first == sql)
            return entry.second;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v3(db_, sql, -1, SQLITE_PREPARE_PERSISTENT, &stmt, nullptr) != SQLITE_OK)
        return nullptr;
    statements_.emplace_back(sql, stmt);
    return stmt;
}

// ---------------------------------------------------------------------------
// Transactions

RegError Registry::beginTransaction(bool forWriting) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (txDepth_++ > 0)
        return txError_;
    // When BEGIN fails the transaction still counts as open, but doomed:
    // every write inside it fails instead of committing on its own. A read
    // snapshot of a registry that cannot be written is fine.
    txOpen_ = false;
    if (!db_)
        txError_ = unusableError();
    else if (forWriting && !writable_)
        txError_ = writeRefusal();
    else
        txError_ = exec(forWriting ? "BEGIN IMMEDIATE" : "BEGIN DEFERRED");
    txOpen_ = txError_ == ERROR_SUCCESS;
    return txError_;
}

RegError Registry::commitTransaction() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (txDepth_ == 0)
        return ERROR_INVALID_PARAMETER;
    if (--txDepth_ > 0)
        return txError_;
    return finishTransaction();
}

void Registry::rollbackTransaction() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (txDepth_ == 0)
        return;
    // An inner rollback dooms the whole transaction.
    if (txError_ == ERROR_SUCCESS)
        txError_ = ERROR_REGISTRY_CORRUPT;
    if (--txDepth_ == 0)
        finishTransaction();
}

RegError Registry::finishTransaction() {
    RegError error = txError_;
    if (txOpen_) {
        if (error == ERROR_SUCCESS)
            error = exec("COMMIT");
        if (error != ERROR_SUCCESS)
            rollbackQuietly();
    }
    txOpen_ = false;
    txError_ = ERROR_SUCCESS;
    return error;
}

// Why a registry that was opened but may not be written refuses a write;
// the refusal is recorded like any other failure of the store.
RegError Registry::writeRefusal() const {
    lastFailure_ = openProblem_;
    ++failureCount_;
    if (!lastFailure_)
        lastFailure_ = RegProblem{RegProblemKind::ReadOnly, path_, QString(), QString()};
    return regProblemError(lastFailure_.kind);
}

template <class F>
RegError Registry::write(F&& body) {
    if (txDepth_ > 0) {
        if (txError_ != ERROR_SUCCESS)
            return txError_;
        if (!writable_)
            return txError_ = writeRefusal();
        const RegError error = body();
        // Logical refusals (a missing key, a bad name) changed nothing; only
        // failures of the store itself doom the transaction.
        if (error == ERROR_REGISTRY_CORRUPT || error == ERROR_BUSY ||
            error == ERROR_OUTOFMEMORY || error == ERROR_DISK_FULL || error == ERROR_IO_DEVICE)
            txError_ = error;
        return error;
    }
    if (!db_)
        return unusableError();
    if (!writable_)
        return writeRefusal();
    RegError error = exec("BEGIN IMMEDIATE");
    if (error != ERROR_SUCCESS)
        return error;
    error = body();
    if (error == ERROR_SUCCESS)
        error = exec("COMMIT");
    if (error != ERROR_SUCCESS)
        rollbackQuietly();
    return error;
}

// ---------------------------------------------------------------------------
// Keys

RegError Registry::findChild(std::int64_t parent, const QString& name, std::int64_t* id) {
    Statement st(prepare("SELECT id FROM keys WHERE parent = ?1 AND fold = ?2"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, parent);
    st.bind(2, utf8(foldRegName(name)));
    const int rc = st.step();
    if (rc == SQLITE_ROW) {
        *id = st.int64(0);
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : sqliteError(rc);
}

RegError Registry::insertChild(std::int64_t parent, const QString& name, std::int64_t* id) {
    // (INSERT ... SELECT from the same table would make SQLite copy the
    // result to a temporary table first; a separate lookup is far cheaper.)
    if (!keyExists(parent))
        return ERROR_KEY_DELETED;
    Statement st(prepare("INSERT INTO keys(parent, name, fold) VALUES(?1, ?2, ?3)"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, parent);
    st.bind(2, utf8(name));
    st.bind(3, utf8(foldRegName(name)));
    const int rc = st.step();
    if (rc != SQLITE_DONE)
        return sqliteError(rc);
    *id = sqlite3_last_insert_rowid(db_);
    return ERROR_SUCCESS;
}

RegError Registry::resolve(std::int64_t parent, const QString& path, bool create,
                           std::int64_t* id, bool* created) {
    if (created)
        *created = false;
    const QStringList names = splitKeyPath(path);
    // A parent that has gone shows as a missing first child; only then is it
    // worth asking whether the parent itself still exists.
    if (names.isEmpty() && !keyExists(parent))
        return parent <= 3 ? ERROR_INVALID_HANDLE : ERROR_KEY_DELETED;
    for (const QString& name : names) {
        if (!validKeyName(name))
            return ERROR_INVALID_PARAMETER;
    }
    std::int64_t current = parent;
    int depth = -1; // of current, once something has to be created
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QString& name = names[i];
        std::int64_t child = 0;
        RegError error = findChild(current, name, &child);
        if (error == ERROR_FILE_NOT_FOUND && current == parent && !keyExists(parent))
            return parent <= 3 ? ERROR_INVALID_HANDLE : ERROR_KEY_DELETED;
        if (error == ERROR_FILE_NOT_FOUND && create) {
            // No key lies deeper than kMaxKeyDepth levels below its root.
            if (depth < 0)
                depth = keyDepth(current);
            if (depth < 0)
                return ERROR_REGISTRY_CORRUPT;
            if (depth + (names.size() - i) > kMaxKeyDepth)
                return ERROR_INVALID_PARAMETER;
            error = insertChild(current, name, &child);
            if (error == ERROR_SUCCESS && created)
                *created = true;
        }
        if (error != ERROR_SUCCESS)
            return error;
        current = child;
        if (depth >= 0)
            ++depth;
    }
    *id = current;
    return ERROR_SUCCESS;
}

// Levels of keys between id and its root (0 for a root); -1 on failure.
int Registry::keyDepth(std::int64_t id) {
    // The bound keeps a damaged tree with a cycle from looping.
    Statement st(prepare("WITH RECURSIVE up(id, depth) AS (SELECT ?1, 0 UNION ALL "
                         "SELECT k.parent, up.depth + 1 FROM keys k JOIN up ON k.id = up.id "
                         "WHERE k.parent IS NOT NULL AND up.depth <= 100000) "
                         "SELECT max(depth) FROM up"));
    if (!st.ok())
        return -1;
    st.bind(1, id);
    if (st.step() != SQLITE_ROW)
        return -1;
    return static_cast<int>(st.int64(0));
}

RegError Registry::createKey(std::int64_t parent, const QString& path, std::int64_t* id,
                             bool* created) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    std::int64_t found = 0;
    // Most calls open a key that is there already: try without a write lock
    // (inside a transaction the lock is held anyway).
    if (db_ && txDepth_ == 0 && !splitKeyPath(path).isEmpty() &&
        resolve(parent, path, false, &found, nullptr) == ERROR_SUCCESS) {
        *id = found;
        if (created)
            *created = false;
        return ERROR_SUCCESS;
    }
    return write([&] { return resolve(parent, path, true, id, created); });
}

RegError Registry::openKey(std::int64_t parent, const QString& path, std::int64_t* id) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_)
        return unusableError();
    return resolve(parent, path, false, id, nullptr);
}

bool Registry::keyExists(std::int64_t id) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_ || id <= 0)
        return false;
    Statement st(prepare("SELECT 1 FROM keys WHERE id = ?1"));
    if (!st.ok())
        return false;
    st.bind(1, id);
    return st.step() == SQLITE_ROW;
}

RegError Registry::keyName(std::int64_t id, QString* name) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_)
        return unusableError();
    Statement st(prepare("SELECT name FROM keys WHERE id = ?1"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    if (st.step() != SQLITE_ROW)
        return ERROR_KEY_DELETED;
    *name = st.text(0);
    return ERROR_SUCCESS;
}

RegError Registry::deleteTree(std::int64_t parent, const QString& path) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return write([&]() -> RegError {
        std::int64_t id = 0;
        const RegError error = resolve(parent, path, false, &id, nullptr);
        if (error != ERROR_SUCCESS)
            return error;
        // A root, or the key itself (empty path), keeps the key and loses its
        // contents only.
        const bool keepKey = id <= 3 || id == parent;
        Statement values(prepare(
            "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL "
            "SELECT k.id FROM keys k JOIN sub ON k.parent = sub.id) "
            "DELETE FROM vals WHERE key IN sub"));
        Statement keys(prepare(
            "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL "
            "SELECT k.id FROM keys k JOIN sub ON k.parent = sub.id) "
            "DELETE FROM keys WHERE id IN sub AND (id <> ?1 OR ?2 = 0)"));
        if (!values.ok() || !keys.ok())
            return ERROR_REGISTRY_CORRUPT;
        values.bind(1, id);
        keys.bind(1, id);
        keys.bind(2, keepKey ? 1 : 0);
        int rc = values.step();
        if (rc == SQLITE_DONE)
            rc = keys.step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
    });
}

RegError Registry::deleteKey(std::int64_t parent, const QString& name) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return write([&]() -> RegError {
        std::int64_t id = 0;
        const RegError error = resolve(parent, name, false, &id, nullptr);
        if (error != ERROR_SUCCESS)
            return error;
        if (id == parent || id <= 3)
            return ERROR_ACCESS_DENIED;
        KeyInfo info;
        keyInfo(id, &info);
        if (info.subkeyCount > 0)
            return ERROR_ACCESS_DENIED;
        Statement st(prepare("DELETE FROM keys WHERE id = ?1"));
        if (!st.ok())
            return ERROR_REGISTRY_CORRUPT;
        st.bind(1, id);
        const int rc = st.step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
    });
}

RegError Registry::enumKey(std::int64_t id, int index, QString* name) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_)
        return unusableError();
    if (index < 0)
        return ERROR_INVALID_PARAMETER;
    Statement st(prepare("SELECT name FROM keys WHERE parent = ?1 ORDER BY fold LIMIT 1 OFFSET ?2"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    st.bind(2, index);
    const int rc = st.step();
    if (rc == SQLITE_ROW) {
        *name = st.text(0);
        return ERROR_SUCCESS;
    }
    if (rc != SQLITE_DONE)
        return sqliteError(rc);
    return keyExists(id) ? ERROR_NO_MORE_ITEMS : ERROR_KEY_DELETED;
}

RegError Registry::subkeyNames(std::int64_t id, QStringList* names) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    names->clear();
    if (!db_)
        return unusableError();
    Statement st(prepare("SELECT name FROM keys WHERE parent = ?1 ORDER BY fold"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    int rc;
    while ((rc = st.step()) == SQLITE_ROW)
        names->append(st.text(0));
    return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
}

RegError Registry::keyInfo(std::int64_t id, KeyInfo* info) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    *info = KeyInfo{};
    if (!keyExists(id))
        return db_ ? ERROR_KEY_DELETED : unusableError();
    QStringList names;
    RegError error = subkeyNames(id, &names);
    if (error != ERROR_SUCCESS)
        return error;
    info->subkeyCount = static_cast<int>(names.size());
    for (const QString& n : names)
        info->maxSubkeyNameLength = std::max(info->maxSubkeyNameLength, static_cast<int>(n.size()));
    Statement st(prepare("SELECT name, length(data) FROM vals WHERE key = ?1"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    int rc;
    while ((rc = st.step()) == SQLITE_ROW) {
        ++info->valueCount;
        info->maxValueNameLength =
            std::max(info->maxValueNameLength, static_cast<int>(st.text(0).size()));
        info->maxValueDataSize = std::max(info->maxValueDataSize, static_cast<int>(st.int64(1)));
    }
    return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
}

// ---------------------------------------------------------------------------
// Values

RegError Registry::setValue(std::int64_t id, const QString& name, RegType type,
                            const QByteArray& data) {
    if (name.size() > kMaxValueNameLength || data.size() > kMaxValueDataSize ||
        hasUnpairedSurrogate(name))
        return ERROR_INVALID_PARAMETER;
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return write([&]() -> RegError {
        // A replaced value keeps its name's case and its place (seq).
        if (!keyExists(id))
            return ERROR_KEY_DELETED;
        Statement st(prepare(
            "INSERT INTO vals(key, name, fold, type, data, seq) VALUES(?1, ?2, ?3, ?4, ?5, "
            "(SELECT coalesce(max(seq), 0) + 1 FROM vals WHERE key = ?1)) "
            "ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data"));
        if (!st.ok())
            return ERROR_REGISTRY_CORRUPT;
        st.bind(1, id);
        st.bind(2, utf8(name));
        st.bind(3, utf8(foldRegName(name)));
        st.bind(4, static_cast<std::int64_t>(type));
        st.bindBlob(5, data);
        const int rc = st.step();
        return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
    });
}

RegError Registry::queryValue(std::int64_t id, const QString& name, RegValue* value) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_)
        return unusableError();
    if (hasUnpairedSurrogate(name))
        return ERROR_FILE_NOT_FOUND; // never stored, see setValue
    Statement st(prepare("SELECT type, data FROM vals WHERE key = ?1 AND fold = ?2"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    st.bind(2, utf8(foldRegName(name)));
    const int rc = st.step();
    if (rc == SQLITE_ROW) {
        value->type = static_cast<RegType>(st.int64(0));
        value->data = st.blob(1);
        return ERROR_SUCCESS;
    }
    return rc == SQLITE_DONE ? ERROR_FILE_NOT_FOUND : sqliteError(rc);
}

RegError Registry::deleteValue(std::int64_t id, const QString& name) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (hasUnpairedSurrogate(name))
        return ERROR_FILE_NOT_FOUND;
    return write([&]() -> RegError {
        Statement st(prepare("DELETE FROM vals WHERE key = ?1 AND fold = ?2"));
        if (!st.ok())
            return ERROR_REGISTRY_CORRUPT;
        st.bind(1, id);
        st.bind(2, utf8(foldRegName(name)));
        const int rc = st.step();
        if (rc != SQLITE_DONE)
            return sqliteError(rc);
        return sqlite3_changes(db_) > 0 ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
    });
}

RegError Registry::enumValue(std::int64_t id, int index, QString* name, RegValue* value) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (!db_)
        return unusableError();
    if (index < 0)
        return ERROR_INVALID_PARAMETER;
    Statement st(prepare(
        "SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY seq LIMIT 1 OFFSET ?2"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    st.bind(2, index);
    const int rc = st.step();
    if (rc == SQLITE_ROW) {
        *name = st.text(0);
        if (value) {
            value->type = static_cast<RegType>(st.int64(1));
            value->data = st.blob(2);
        }
        return ERROR_SUCCESS;
    }
    if (rc != SQLITE_DONE)
        return sqliteError(rc);
    return keyExists(id) ? ERROR_NO_MORE_ITEMS : ERROR_KEY_DELETED;
}

RegError Registry::values(std::int64_t id, std::vector<NamedValue>* out) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    out->clear();
    if (!db_)
        return unusableError();
    Statement st(prepare("SELECT name, type, data FROM vals WHERE key = ?1 ORDER BY seq"));
    if (!st.ok())
        return ERROR_REGISTRY_CORRUPT;
    st.bind(1, id);
    int rc;
    while ((rc = st.step()) == SQLITE_ROW)
        out->push_back({st.text(0), {static_cast<RegType>(st.int64(1)), st.blob(2)}});
    return rc == SQLITE_DONE ? ERROR_SUCCESS : sqliteError(rc);
}

} // namespace platform
