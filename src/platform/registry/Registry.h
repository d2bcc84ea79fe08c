#pragma once

#include "platform/registry/RegProblem.h"
#include "platform/registry/RegTypes.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace platform {

// The per-user registry: a tree of keys under three roots, each key holding
// named values. Stored in one SQLite database (WAL mode) that several
// processes share; each call that writes is committed when it returns, unless
// a RegTransaction is open on this thread, in which case everything in the
// transaction becomes visible together (or not at all).
//
// Key and value names compare case-insensitively and keep the case they were
// created with. Key paths are backslash-separated names below a root; empty
// components are ignored ("A\\B" and "A\B" are the same key).
//
// Most code uses RegKey (an open key) rather than this class directly.
class Registry {
public:
    // ReadWrite creates the folder and the file when missing and may write;
    // ReadOnly never creates, changes, moves or locks the file for writing
    // (a missing file reads as an empty registry).
    enum class Access { ReadWrite, ReadOnly };

    // The registry of this process: the database named by QUORRELIN_REGISTRY,
    // else $XDG_CONFIG_HOME/quorrelin/registry.db (else ~/.config/...).
    // Opened on first use, with the default access (ReadWrite unless set).
    static Registry& instance();
    // Closes the current default database and opens the one the environment
    // names now. For tests; no RegKey of the old database may be used after.
    static void reopenDefault();
    // The path instance() uses.
    static QString defaultPath();
    // The access instance() opens with; takes effect at the next open.
    static void setDefaultAccess(Access access);

    // Opens the database (ReadWrite: creating it when needed, folder 0700,
    // file 0600). Opening never waits for another writer and never takes the
    // write lock unless the file is new. A database that fails its check is
    // opened for reading what is left and refuses writes until salvage().
    explicit Registry(const QString& path, Access access = Access::ReadWrite);
    ~Registry();
    Registry(const Registry&) = delete;
    Registry& operator=(const Registry&) = delete;

    QString path() const { return path_; }
    Access access() const { return access_; }
    // False when the database could not be opened at all; every call then
    // fails with the error of openProblem().
    bool isOpen() const { return db_ != nullptr; }
    // Whether writes can succeed: open, not read-only, not damaged.
    bool isWritable() const { return db_ != nullptr && writable_; }
    QString openError() const { return describeRegProblem(openProblem_); }
    // What was wrong when the database was opened (None when all was well).
    const RegProblem& openProblem() const { return openProblem_; }
    // The last failure of the store itself met by any call (None before
    // one); logical refusals such as a missing key are not recorded.
    RegProblem lastFailure() const;
    // How many such failures there have been; a reader compares the count
    // before and after a series of reads to learn that one of them failed.
    int failureCount() const;
    // How long a write waits for another connection's write lock.
    void setBusyTimeout(int milliseconds);

    // For a database that failed its check (openProblem() Damaged): copies
    // every key and value that can still be read into a new database at
    // path(), keeps the damaged file beside it as "<path>.damaged-<time>"
    // (its -wal log too) and reopens. keptAs receives the kept file.
    // ERROR_SUCCESS when the new database is in place; an error (and nothing
    // moved) otherwise. Afterwards openProblem() stays Damaged with keptAs
    // set, so the user can be told, and the registry is writable. Only for
    // ReadWrite access. Defined in RegistrySalvage.cpp.
    RegError salvage(QString* keptAs = nullptr);

    // ---- Keys. A key id is an opaque positive number; 0 means "none". ----
    // The id of a root key (always exists).
    std::int64_t rootId(RegRoot root) const { return static_cast<std::int64_t>(root); }
    // Creates the key and any missing parents below parent; returns its id.
    RegError createKey(std::int64_t parent, const QString& path, std::int64_t* id,
                       bool* created = nullptr);
    // Finds an existing key; ERROR_FILE_NOT_FOUND when any component is missing.
    RegError openKey(std::int64_t parent, const QString& path, std::int64_t* id);
    // Deletes the key at path below parent with all its subkeys and values.
    RegError deleteTree(std::int64_t parent, const QString& path);
    // Deletes one subkey that has no subkeys of its own (RegDeleteKey).
    RegError deleteKey(std::int64_t parent, const QString& name);
    bool keyExists(std::int64_t id);
    // The stored name of a key (its case as created).
    RegError keyName(std::int64_t id, QString* name);

    // Subkeys by index in case-insensitive name order (uppercase ordinal, as
    // Windows sorts them). ERROR_NO_MORE_ITEMS past the end.
    RegError enumKey(std::int64_t id, int index, QString* name);
    // All subkey names at once, same order.
    RegError subkeyNames(std::int64_t id, QStringList* names);

    struct KeyInfo {
        int subkeyCount = 0;
        int maxSubkeyNameLength = 0; // UTF-16 code units, without NUL
        int valueCount = 0;
        int maxValueNameLength = 0;
        int maxValueDataSize = 0;
    };
    RegError keyInfo(std::int64_t id, KeyInfo* info);

    // ---- Values. An empty name is the key's default value. ----
    // Sets (creates or replaces) a value; a replaced value keeps its place
    // in the enumeration order.
    RegError setValue(std::int64_t id, const QString& name, RegType type, const QByteArray& data);
    RegError queryValue(std::int64_t id, const QString& name, RegValue* value);
    RegError deleteValue(std::int64_t id, const QString& name);
    // Values by index in creation order. ERROR_NO_MORE_ITEMS past the end.
    RegError enumValue(std::int64_t id, int index, QString* name, RegValue* value);
    struct NamedValue {
        QString name;
        RegValue value;
    };
    RegError values(std::int64_t id, std::vector<NamedValue>* out);

    // ---- Transactions (see RegTransaction). Nested calls only count. ----
    // forWriting false starts a read snapshot (see RegSnapshot): no lock is
    // taken until something inside writes.
    RegError beginTransaction(bool forWriting = true);
    RegError commitTransaction();
    void rollbackTransaction();
    bool inTransaction() const { return txDepth_ > 0; }

private:
    class Statement;
    friend class RegistrySalvager;
    // RegistryOpen.cpp
    void open();
    bool openConnection(int flags, const QByteArray& name);
    bool prepareFile(bool* created);
    RegError initSchema(bool created);
    void checkIntegrity();
    void closeConnection();
    void noteFailure(int rc) const;
    QString lockHolder() const;

    sqlite3_stmt* prepare(const char* sql);
    RegError resolve(std::int64_t parent, const QString& path, bool create, std::int64_t* id,
                     bool* created);
    RegError findChild(std::int64_t parent, const QString& name, std::int64_t* id);
    RegError insertChild(std::int64_t parent, const QString& name, std::int64_t* id);
    int keyDepth(std::int64_t id);
    RegError exec(const char* sql);
    void rollbackQuietly();
    RegError sqliteError(int rc) const;
    RegError unusableError() const;
    RegError writeRefusal() const;
    // Runs one write with automatic BEGIN IMMEDIATE/COMMIT unless a
    // transaction is open.
    template <class F>
    RegError write(F&& body);

    QString path_;
    Access access_;
    RegProblem openProblem_;
    mutable RegProblem lastFailure_;
    mutable int failureCount_ = 0;
    sqlite3* db_ = nullptr;
    bool writable_ = false;
    int busyTimeoutMs_;
    std::vector<std::pair<const char*, sqlite3_stmt*>> statements_;
    RegError finishTransaction();

    int txDepth_ = 0;
    bool txOpen_ = false;            // a real SQLite transaction is open
    RegError txError_ = ERROR_SUCCESS; // first failure inside the transaction
    mutable std::recursive_mutex mutex_;
};

// Splits a key path at backslashes, dropping empty components.
QStringList splitKeyPath(const QString& path);
// The comparison form of a key or value name.
QString foldRegName(const QString& name);

} // namespace platform
