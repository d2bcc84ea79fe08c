// Opening the registry database, and turning the failures of the store into
// result codes and problems a user can act on.
#include "platform/registry/Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
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

bool isReadOnlyErrno(int e) { return e == EACCES || e == EPERM || e == EROFS; }

QString systemText(int e) { return QString::fromLocal8Bit(std::strerror(e)); }

// The one integer a statement yields; -1 when it fails.
std::int64_t queryInt(sqlite3* db, const char* sql, int* rc) {
    sqlite3_stmt* st = nullptr;
    *rc = sqlite3_prepare_v2(db, sql, -1, &st, nullptr);
    std::int64_t value = -1;
    if (*rc == SQLITE_OK) {
        *rc = sqlite3_step(st);
        if (*rc == SQLITE_ROW) {
            value = sqlite3_column_int64(st, 0);
            *rc = SQLITE_OK;
        }
    }
    sqlite3_finalize(st);
    return value;
}

} // namespace

// ---------------------------------------------------------------------------
// Opening

void Registry::open() {
    openProblem_ = RegProblem{};
    openProblem_.path = path_;
    writable_ = false;
    bool created = false;
    if (!prepareFile(&created))
        return;
    const QByteArray name = QFile::encodeName(path_);
    const bool wantWrite = access_ == Access::ReadWrite && !openProblem_;
    const auto tryOpen = [this](int flags, const QByteArray& target) {
        int rc = SQLITE_CANTOPEN;
        if (openConnection(flags, target))
            queryInt(db_, "SELECT count(*) FROM sqlite_master", &rc);
        return rc;
    };
    const auto refused = [](int rc) {
        const int code = rc & 0xFF;
        return code == SQLITE_CANTOPEN || code == SQLITE_READONLY || code == SQLITE_PERM ||
               (code == SQLITE_IOERR && rc != SQLITE_IOERR_SHORT_READ);
    };
    int rc = SQLITE_CANTOPEN;
    if (wantWrite) {
        rc = tryOpen(SQLITE_OPEN_READWRITE, name);
        // The file is writable but its folder is not (the log and the shared
        // memory file cannot be made): read what is there.
        if (refused(rc))
            openProblem_.kind = RegProblemKind::ReadOnly;
    }
    if (!wantWrite || refused(rc)) {
        rc = tryOpen(SQLITE_OPEN_READONLY, name);
        // Without a writable folder a database whose log is gone can still
        // be read as an unchanging file.
        if (refused(rc))
            rc = tryOpen(SQLITE_OPEN_READONLY | SQLITE_OPEN_URI,
                         "file:" + QUrl::toPercentEncoding(path_, "/") + "?immutable=1");
    }
    if (rc != SQLITE_OK) {
        const int code = rc & 0xFF;
        if (code == SQLITE_NOTADB || code == SQLITE_CORRUPT || rc == SQLITE_IOERR_SHORT_READ) {
            openProblem_.kind = RegProblemKind::Damaged;
            openProblem_.detail = QString::fromUtf8(sqlite3_errstr(rc));
        } else if (code == SQLITE_IOERR && db_ && !isReadOnlyErrno(sqlite3_system_errno(db_))) {
            openProblem_.kind = RegProblemKind::DeviceFailed;
            openProblem_.detail = systemText(sqlite3_system_errno(db_));
        } else if (!openProblem_) {
            openProblem_.kind = RegProblemKind::Unusable;
            openProblem_.detail = QString::fromUtf8(sqlite3_errstr(rc));
        }
        closeConnection();
        return;
    }
    writable_ = wantWrite && !openProblem_;
    // Damage is looked for before anything could be written into it.
    if (!created)
        checkIntegrity();
    if (initSchema(created) != ERROR_SUCCESS)
        closeConnection();
}

bool Registry::openConnection(int flags, const QByteArray& name) {
    closeConnection();
    if (sqlite3_open_v2(name.constData(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        closeConnection();
        return false;
    }
    sqlite3_busy_timeout(db_, busyTimeoutMs_);
    sqlite3_extended_result_codes(db_, 1);
    return true;
}

void Registry::closeConnection() {
    for (auto& entry : statements_)
        sqlite3_finalize(entry.second);
    statements_.clear();
    if (db_)
        sqlite3_close(db_);
    db_ = nullptr;
}

// Makes sure a regular file stands at path_ (creating it, mode 0600 in a
// folder of mode 0700, for ReadWrite access). A file that cannot be written
// is noted as ReadOnly and still read. False when there is nothing to open.
bool Registry::prepareFile(bool* created) {
    const QByteArray native = QFile::encodeName(path_);
    struct stat info {};
    if (::stat(native.constData(), &info) == 0) {
        if (!S_ISREG(info.st_mode)) {
            openProblem_.kind = RegProblemKind::NotAFile;
            return false;
        }
        if (access_ == Access::ReadOnly)
            return true;
        // O_NONBLOCK: a pipe put in place meanwhile must not hang the open.
        const int fd = ::open(native.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            ::close(fd);
            return true;
        }
        if (isReadOnlyErrno(errno)) {
            openProblem_.kind = RegProblemKind::ReadOnly;
            return true;
        }
        openProblem_.kind = RegProblemKind::Unusable;
        openProblem_.detail = systemText(errno);
        return false;
    }
    if (errno != ENOENT) {
        openProblem_.kind = RegProblemKind::Unusable;
        openProblem_.detail = systemText(errno);
        return false;
    }
    // A missing file is an empty registry; only a writer makes it.
    if (access_ == Access::ReadOnly)
        return false;
    const QString dir = QFileInfo(path_).absolutePath();
    if (!QFileInfo::exists(dir)) {
        if (!QDir().mkpath(dir)) {
            openProblem_.kind = RegProblemKind::ReadOnly;
            openProblem_.detail = QStringLiteral("cannot create the folder %1").arg(dir);
            return false;
        }
        ::chmod(QFile::encodeName(dir).constData(), 0700);
    }
    const int fd = ::open(native.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0600);
    if (fd < 0) {
        openProblem_.kind = isReadOnlyErrno(errno) ? RegProblemKind::ReadOnly
                            : errno == ENOSPC      ? RegProblemKind::DiskFull
                                                   : RegProblemKind::Unusable;
        openProblem_.detail = systemText(errno);
        return false;
    }
    const bool regular = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    ::close(fd);
    if (!regular) {
        openProblem_.kind = RegProblemKind::NotAFile;
        return false;
    }
    *created = true;
    return true;
}

// Reads whether the tables are there and creates them only when they are
// not, so that opening an existing registry takes no write lock.
RegError Registry::initSchema(bool created) {
    int rc = SQLITE_OK;
    const std::int64_t tables = queryInt(
        db_,
        "SELECT count(*) FROM sqlite_master WHERE name IN ('keys', 'vals', 'vals_by_seq')", &rc);
    const bool complete =
        tables == 3 && queryInt(db_, "SELECT count(*) FROM keys WHERE id <= 3", &rc) == 3;
    if (writable_) {
        // WAL lets readers go on while another process writes; NORMAL sync
        // keeps every committed write across a process crash (the WAL is in
        // the page cache) without an fsync per call.
        char* mode = nullptr;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db_, "PRAGMA journal_mode", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            mode = sqlite3_mprintf("%s", sqlite3_column_text(st, 0));
        sqlite3_finalize(st);
        const bool wal = mode && std::strcmp(mode, "wal") == 0;
        sqlite3_free(mode);
        if (!wal && exec("PRAGMA journal_mode=WAL") != ERROR_SUCCESS && created)
            return ERROR_REGISTRY_CORRUPT;
        exec("PRAGMA synchronous=NORMAL");
    }
    // Key existence is checked by the statements themselves and subtrees are
    // deleted set-wise; row-by-row foreign-key cascades were the slowest part
    // of a whole-list rewrite.
    exec("PRAGMA foreign_keys=OFF");
    if (complete)
        return ERROR_SUCCESS;
    if (!writable_) {
        // An empty file that may not be written holds nothing.
        if (tables == 0)
            return ERROR_FILE_NOT_FOUND;
        openProblem_.kind = RegProblemKind::Damaged;
        openProblem_.detail = QStringLiteral("the registry tables are incomplete");
        return ERROR_SUCCESS;
    }
    RegError error = exec("BEGIN IMMEDIATE");
    if (error == ERROR_SUCCESS) {
        error = exec(kSchema);
        error = error == ERROR_SUCCESS ? exec("COMMIT") : error;
        if (error != ERROR_SUCCESS)
            rollbackQuietly();
    }
    if (error != ERROR_SUCCESS) {
        const RegProblem failure = lastFailure();
        openProblem_.kind = failure ? failure.kind : RegProblemKind::Unusable;
        openProblem_.detail = failure.detail;
        writable_ = false;
    }
    return error;
}

void Registry::checkIntegrity() {
    sqlite3_stmt* st = nullptr;
    int rc = sqlite3_prepare_v2(db_, "PRAGMA quick_check(1)", -1, &st, nullptr);
    QString result;
    if (rc == SQLITE_OK) {
        rc = sqlite3_step(st);
        if (rc == SQLITE_ROW)
            result = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
    }
    // The message is taken before anything else runs on the connection.
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_finalize(st);
    if (rc == SQLITE_ROW && result == QLatin1String("ok"))
        return;
    if (rc != SQLITE_ROW && (rc & 0xFF) != SQLITE_CORRUPT && (rc & 0xFF) != SQLITE_NOTADB &&
        rc != SQLITE_IOERR_SHORT_READ)
        return; // busy or the like: nothing is known to be wrong
    openProblem_.kind = RegProblemKind::Damaged;
    // The check's first finding, without the line that names the schema.
    openProblem_.detail = (rc == SQLITE_ROW ? result : message).split(QLatin1Char('\n')).last();
    writable_ = false;
}

// ---------------------------------------------------------------------------
// Failures

RegError Registry::unusableError() const {
    if (openProblem_)
        return regProblemError(openProblem_.kind);
    // A read-only use of a registry that does not exist: nothing is there.
    return ERROR_FILE_NOT_FOUND;
}

RegProblem Registry::lastFailure() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return lastFailure_;
}

int Registry::failureCount() const {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    return failureCount_;
}

void Registry::setBusyTimeout(int milliseconds) {
    std::lock_guard<std::recursive_mutex> lock(mutex_);
    busyTimeoutMs_ = milliseconds;
    if (db_)
        sqlite3_busy_timeout(db_, milliseconds);
}

RegError Registry::sqliteError(int rc) const {
    switch (rc & 0xFF) {
    case SQLITE_OK:
    case SQLITE_DONE:
    case SQLITE_ROW:
        return ERROR_SUCCESS;
    case SQLITE_NOMEM:
        return ERROR_OUTOFMEMORY;
    case SQLITE_CONSTRAINT:
        return rc == SQLITE_CONSTRAINT_FOREIGNKEY ? ERROR_KEY_DELETED : ERROR_INVALID_PARAMETER;
    case SQLITE_TOOBIG:
        return ERROR_INVALID_PARAMETER;
    default:
        break;
    }
    noteFailure(rc);
    return regProblemError(lastFailure_.kind);
}

// Records what a failed statement means; the system's errno tells a full
// disk and a failing device apart where SQLite reports both as I/O errors.
void Registry::noteFailure(int rc) const {
    RegProblem failure;
    failure.path = path_;
    const int sysErrno = db_ ? sqlite3_system_errno(db_) : 0;
    switch (rc & 0xFF) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        failure.kind = RegProblemKind::Locked;
        failure.detail = lockHolder();
        break;
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_CANTOPEN:
    case SQLITE_AUTH:
        failure.kind = RegProblemKind::ReadOnly;
        break;
    case SQLITE_FULL:
        failure.kind = RegProblemKind::DiskFull;
        break;
    case SQLITE_IOERR:
        if (rc == SQLITE_IOERR_SHORT_READ)
            failure.kind = RegProblemKind::Damaged;
        else if (sysErrno == ENOSPC || sysErrno == EDQUOT)
            failure.kind = RegProblemKind::DiskFull;
        else if (isReadOnlyErrno(sysErrno))
            failure.kind = RegProblemKind::ReadOnly;
        else
            failure.kind = RegProblemKind::DeviceFailed;
        if (failure.kind == RegProblemKind::DeviceFailed && sysErrno != 0)
            failure.detail = systemText(sysErrno);
        break;
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        failure.kind = RegProblemKind::Damaged;
        failure.detail = QString::fromUtf8(sqlite3_errstr(rc));
        break;
    default:
        failure.kind = RegProblemKind::Unusable;
        failure.detail = QString::fromUtf8(sqlite3_errstr(rc));
        break;
    }
    lastFailure_ = failure;
    ++failureCount_;
}

// The process holding the write lock, as "name (process id)", when another
// process holds it; empty when it cannot be told (a connection of this same
// process, or no lock any more). A WAL writer holds the first lock byte of
// the shared-memory file (offset 120), a POSIX lock whose owner the system
// reports.
QString Registry::lockHolder() const {
    const QByteArray shm = QFile::encodeName(path_ + QStringLiteral("-shm"));
    const int fd = ::open(shm.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return QString();
    struct flock lock {};
    lock.l_type = F_WRLCK;
    lock.l_whence = SEEK_SET;
    lock.l_start = 120;
    lock.l_len = 1;
    const bool found = ::fcntl(fd, F_GETLK, &lock) == 0 && lock.l_type != F_UNLCK;
    ::close(fd);
    if (!found || lock.l_pid <= 0)
        return QString();
    QFile comm(QStringLiteral("/proc/%1/comm").arg(lock.l_pid));
    QString name;
    if (comm.open(QIODevice::ReadOnly))
        name = QString::fromLocal8Bit(comm.read(64)).trimmed();
    if (name.isEmpty())
        return QStringLiteral("process %1").arg(lock.l_pid);
    return QStringLiteral("%1 (process %2)").arg(name).arg(lock.l_pid);
}

} // namespace platform
