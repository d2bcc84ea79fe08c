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

// Keys form a tree through parent; a root has no parent. Ids are never
// reused, so a handle to a deleted key can never reach a newer key by
// accident. (The references document the shape; the code keeps them.)
const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS keys(
    id INTEGER PRIMARY KEY AUTOINCREMENT,
    parent INTEGER REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    fold TEXT NOT NULL,
    UNIQUE(parent, fold));
CREATE TABLE IF NOT EXISTS vals(
    key INTEGER NOT NULL REFERENCES keys(id) ON DELETE CASCADE,
    name TEXT NOT NULL,
    fold TEXT NOT NULL,
    type INTEGER NOT NULL,
    data BLOB NOT NULL,
    seq INTEGER NOT NULL,
    PRIMARY KEY(key, fold)) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS vals_by_seq ON vals(key, seq);
INSERT OR IGNORE INTO keys(id, parent, name, fold) VALUES
    (1, NULL, 'HKEY_CURRENT_USER', 'HKEY_CURRENT_USER'),
    (2, NULL, 'HKEY_CLASSES_ROOT', 'HKEY_CLASSES_ROOT'),
    (3, NULL, 'HKEY_LOCAL_MACHINE', 'HKEY_LOCAL_MACHINE');
)sql";

constexpr int kBusyTimeoutMs = 10000;

std::unique_ptr<Registry>& defaultRegistry() {
    static std::unique_ptr<Registry> registry;
    return registry;
}

std::mutex& defaultMutex() {
    static std::mutex mutex;
    return mutex;
}

QByteArray utf8(const QString& s) { return s.toUtf8(); }

bool validKeyName(const QString& name) {
    return !name.isEmpty() && name.size() <= kMaxKeyNameLength;
}

// Creates the file with mode 0600 before SQLite opens it (SQLite would use
// the umask), and its folder with mode 0700 when missing.
bool prepareDatabaseFile(const QString& path, QString* error) {
    const QFileInfo info(path);
    const QString dir = info.absolutePath();
    if (!QFileInfo::exists(dir)) {
        if (!QDir().mkpath(dir)) {
            *error = QStringLiteral("cannot create the folder %1").arg(dir);
            return false;
        }
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) {
        *error = QStringLiteral("cannot open %1: %2").arg(path, QString::fromLocal8Bit(strerror(errno)));
        return false;
    }
    ::close(fd);
    return true;
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
        registry = std::make_unique<Registry>(defaultPath());
    return *registry;
}

void Registry::reopenDefault() {
    std::lock_guard<std::mutex> lock(defaultMutex());
    auto& registry = defaultRegistry();
    registry.reset();
    registry = std::make_unique<Registry>(defaultPath());
}

Registry::Registry(const QString& path) : path_(path) {
    if (!prepareDatabaseFile(path, &openError_))
        return;
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                            nullptr) == SQLITE_OK) {
            sqlite3_busy_timeout(db_, kBusyTimeoutMs);
            sqlite3_extended_result_codes(db_, 1);
            const RegError error = initSchema();
            if (error == ERROR_SUCCESS)
                return;
        }
        openError_ = db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("out of memory");
        const int code = db_ ? (sqlite3_errcode(db_) & 0xFF) : SQLITE_NOMEM;
        sqlite3_close(db_);
        db_ = nullptr;
        // A file that is not a database (or is damaged beyond use) is moved
        // aside, kept for inspection, and a new registry starts in its place.
        if (attempt == 0 && (code == SQLITE_NOTADB || code == SQLITE_CORRUPT)) {
            const QString aside =
                path + QStringLiteral(".damaged-") +
                QString::number(QDateTime::currentMSecsSinceEpoch());
            QFile::rename(path, aside);
            QFile::remove(path + QStringLiteral("-wal"));
            QFile::remove(path + QStringLiteral("-shm"));
            if (!prepareDatabaseFile(path, &openError_))
                return;
            continue;
        }
        return;
    }
}

Registry::~Registry() {
    for (auto& entry : statements_)
        sqlite3_finalize(entry.second);
    if (db_)
        sqlite3_close(db_);
}

RegError Registry::initSchema() {
    // WAL lets readers go on while another process writes; NORMAL sync keeps
    // every committed write across a process crash (the WAL is in the page
    // cache) without an fsync per call.
    if (exec("PRAGMA journal_mode=WAL") != ERROR_SUCCESS)
        return ERROR_REGISTRY_CORRUPT;
    exec("PRAGMA synchronous=NORMAL");
    // Key existence is checked by the statements themselves and subtrees are
    // deleted set-wise; row-by-row foreign-key cascades were the slowest part
    // of a whole-list rewrite.
    exec("PRAGMA foreign_keys=OFF");
    if (exec("BEGIN IMMEDIATE") != ERROR_SUCCESS)
        return ERROR_REGISTRY_CORRUPT;
    if (exec(kSchema) != ERROR_SUCCESS) {
        exec("ROLLBACK");
        return ERROR_REGISTRY_CORRUPT;
    }
    return exec("COMMIT");
}

RegError Registry::exec(const char* sql) {
    char* message = nullptr;
    const int rc = sqlite3_exec(db_, sql, nullptr, nullptr, &message);
    sqlite3_free(message);
    return rc == SQLITE_OK ? ERROR_SUCCESS : sqliteError(rc);
}

RegError Registry::sqliteError(int rc) const {
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return ERROR_BUSY;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
        return ERROR_ACCESS_DENIED;
    case SQLITE_CONSTRAINT:
        return rc == SQLITE_CONSTRAINT_FOREIGNKEY ? ERROR_KEY_DELETED : ERROR_INVALID_PARAMETER;
    case SQLITE_TOOBIG:
        return ERROR_INVALID_PARAMETER;
    default:
        return ERROR_REGISTRY_CORRUPT;
    }
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

RegError Registry::beginTransaction() {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    if (txDepth_++ > 0)
        return txError_;
    // When BEGIN fails the transaction still counts as open, but doomed:
    // every write inside it fails instead of committing on its own.
    txOpen_ = false;
    txError_ = db_ ? exec("BEGIN IMMEDIATE") : ERROR_REGISTRY_CORRUPT;
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
            exec("ROLLBACK");
    }
    txOpen_ = false;
    txError_ = ERROR_SUCCESS;
    return error;
}

template <class F>
RegError Registry::write(F&& body) {
    if (txDepth_ > 0) {
        if (txError_ != ERROR_SUCCESS)
            return txError_;
        const RegError error = body();
        // Logical refusals (a missing key, a bad name) changed nothing; only
        // failures of the store itself doom the transaction.
        if (error == ERROR_REGISTRY_CORRUPT || error == ERROR_BUSY || error == ERROR_OUTOFMEMORY)
            txError_ = error;
        return error;
    }
    if (!db_)
        return ERROR_REGISTRY_CORRUPT;
    RegError error = exec("BEGIN IMMEDIATE");
    if (error != ERROR_SUCCESS)
        return error;
    error = body();
    if (error == ERROR_SUCCESS)
        error = exec("COMMIT");
    if (error != ERROR_SUCCESS)
        exec("ROLLBACK");
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
    std::int64_t current = parent;
    for (const QString& name : names) {
        if (!validKeyName(name))
            return ERROR_INVALID_PARAMETER;
        std::int64_t child = 0;
        RegError error = findChild(current, name, &child);
        if (error == ERROR_FILE_NOT_FOUND && current == parent && !keyExists(parent))
            return parent <= 3 ? ERROR_INVALID_HANDLE : ERROR_KEY_DELETED;
        if (error == ERROR_FILE_NOT_FOUND && create) {
            error = insertChild(current, name, &child);
            if (error == ERROR_SUCCESS && created)
                *created = true;
        }
        if (error != ERROR_SUCCESS)
            return error;
        current = child;
    }
    *id = current;
    return ERROR_SUCCESS;
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
        return ERROR_REGISTRY_CORRUPT;
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
        return ERROR_REGISTRY_CORRUPT;
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
        return ERROR_REGISTRY_CORRUPT;
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
        return ERROR_REGISTRY_CORRUPT;
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
        return db_ ? ERROR_KEY_DELETED : ERROR_REGISTRY_CORRUPT;
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
    if (name.size() > kMaxValueNameLength || data.size() > kMaxValueDataSize)
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
        return ERROR_REGISTRY_CORRUPT;
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
        return ERROR_REGISTRY_CORRUPT;
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
        return ERROR_REGISTRY_CORRUPT;
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
