#include "system/VisitHistory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <sqlite3.h>

namespace {

// day: the local calendar day of time as a Julian day number, so listing
// by day never has to convert times; site: see SiteOf.
const char* const kSchema = R"sql(
CREATE TABLE IF NOT EXISTS visits(
    id INTEGER PRIMARY KEY,
    time INTEGER NOT NULL,
    day INTEGER NOT NULL,
    site TEXT NOT NULL,
    url TEXT NOT NULL,
    title TEXT NOT NULL);
CREATE INDEX IF NOT EXISTS visits_by_day ON visits(day, site, url, time);
CREATE INDEX IF NOT EXISTS visits_by_time ON visits(time);
)sql";

// How long a writer waits for another instance's transaction.
constexpr int kBusyTimeoutMs = 10000;
// A long-running process prunes again after this long.
constexpr qint64 kPruneIntervalSecs = 3600;

// A prepared statement that finalises itself.
class Statement {
public:
    Statement(sqlite3* db, const char* sql) {
        if (db && sqlite3_prepare_v2(db, sql, -1, &m_st, nullptr) != SQLITE_OK) {
            sqlite3_finalize(m_st);
            m_st = nullptr;
        }
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    explicit operator bool() const { return m_st != nullptr; }
    void bind(int index, std::int64_t value) { sqlite3_bind_int64(m_st, index, value); }
    void bind(int index, const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        sqlite3_bind_text(m_st, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    }
    int step() { return m_st ? sqlite3_step(m_st) : SQLITE_MISUSE; }
    std::int64_t integer(int column) const { return sqlite3_column_int64(m_st, column); }
    QString text(int column) const {
        const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(m_st, column));
        return QString::fromUtf8(data, sqlite3_column_bytes(m_st, column));
    }

private:
    sqlite3_stmt* m_st = nullptr;
};

bool isRecordable(const QString& url) {
    if (url.trimmed().isEmpty())
        return false;
    // Text that was no address has no scheme.
    const QString scheme = QUrl(url).scheme().toLower();
    return !scheme.isEmpty() && scheme != QLatin1String("about") && scheme != QLatin1String("javascript") &&
           scheme != QLatin1String("vbscript");
}

} // namespace

QString VisitHistory::DefaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/quorrelin/History.sqlite");
}

VisitHistory::VisitHistory(const QString& path) : m_path(path) {
    if (open())
        Prune();
}

VisitHistory::~VisitHistory() { sqlite3_close(m_db); }

bool VisitHistory::open() {
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    const QByteArray name = QFile::encodeName(m_path);
    if (sqlite3_open_v2(name.constData(), &m_db,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX,
                        nullptr) != SQLITE_OK) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    sqlite3_busy_timeout(m_db, kBusyTimeoutMs);
    // WAL lets instances read while one writes; NORMAL syncing keeps every
    // committed visit across a crash of the program.
    if (!exec("PRAGMA journal_mode=WAL") || !exec("PRAGMA synchronous=NORMAL") ||
        !exec(kSchema)) {
        sqlite3_close(m_db);
        m_db = nullptr;
        return false;
    }
    return true;
}

bool VisitHistory::exec(const char* sql) const {
    return m_db && sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool VisitHistory::Record(const QString& url, const QString& title, const QDateTime& when) {
    if (!m_db || !isRecordable(url))
        return false;
    if (!m_lastPrune.isValid() || m_lastPrune.secsTo(when) > kPruneIntervalSecs)
        Prune(when);
    Statement insert(m_db, "INSERT INTO visits(time, day, site, url, title) "
                           "VALUES(?1, ?2, ?3, ?4, ?5)");
    if (!insert)
        return false;
    insert.bind(1, when.toMSecsSinceEpoch());
    insert.bind(2, when.toLocalTime().date().toJulianDay());
    insert.bind(3, SiteOf(url));
    insert.bind(4, url.left(kMaxUrlLength));
    insert.bind(5, title.left(kMaxTitleLength));
    // One statement is one transaction: the visit is whole or absent.
    if (insert.step() != SQLITE_DONE)
        return false;
    ++m_writes;
    return true;
}

std::vector<QDate> VisitHistory::Days() const {
    std::vector<QDate> days;
    Statement query(m_db, "SELECT DISTINCT day FROM visits ORDER BY day DESC");
    while (query && query.step() == SQLITE_ROW)
        days.push_back(QDate::fromJulianDay(query.integer(0)));
    return days;
}

std::vector<HistorySite> VisitHistory::Sites(const QDate& day) const {
    std::vector<HistorySite> sites;
    Statement query(m_db, "SELECT site, COUNT(DISTINCT url) FROM visits WHERE day = ?1 "
                          "GROUP BY site ORDER BY site COLLATE NOCASE, site");
    if (!query)
        return sites;
    query.bind(1, day.toJulianDay());
    while (query.step() == SQLITE_ROW)
        sites.push_back({query.text(0), static_cast<int>(query.integer(1))});
    return sites;
}

std::vector<HistoryPage> VisitHistory::Pages(const QDate& day, const QString& site) const {
    std::vector<HistoryPage> pages;
    // With MAX(), SQLite takes the title from the row of the latest visit.
    Statement query(m_db, "SELECT url, title, MAX(time) AS latest FROM visits "
                          "WHERE day = ?1 AND site = ?2 GROUP BY url ORDER BY latest DESC");
    if (!query)
        return pages;
    query.bind(1, day.toJulianDay());
    query.bind(2, site);
    while (query.step() == SQLITE_ROW)
        pages.push_back({query.text(0), query.text(1),
                         QDateTime::fromMSecsSinceEpoch(query.integer(2))});
    return pages;
}

std::int64_t VisitHistory::VisitCount() const {
    Statement query(m_db, "SELECT COUNT(*) FROM visits");
    return query && query.step() == SQLITE_ROW ? query.integer(0) : 0;
}

std::int64_t VisitHistory::ChangeMark() const {
    // data_version moves when another connection commits; this connection's
    // own commits are counted in m_writes.
    Statement query(m_db, "PRAGMA data_version");
    const std::int64_t others = query && query.step() == SQLITE_ROW ? query.integer(0) : 0;
    return (m_writes << 32) + others;
}

bool VisitHistory::runWrite(const char* sql, std::int64_t bound) {
    Statement statement(m_db, sql);
    if (!statement)
        return false;
    statement.bind(1, bound);
    if (statement.step() != SQLITE_DONE)
        return false;
    if (sqlite3_changes(m_db) > 0)
        ++m_writes;
    return true;
}

bool VisitHistory::Prune(const QDateTime& now) {
    if (!m_db)
        return false;
    m_lastPrune = now;
    const std::int64_t cutoff = now.addDays(-kKeepDays).toMSecsSinceEpoch();
    return runWrite("DELETE FROM visits WHERE time < ?1", cutoff);
}

bool VisitHistory::Clear() {
    if (!m_db || !runWrite("DELETE FROM visits WHERE ?1", 1))
        return false;
    // The cleared addresses should not linger in free pages of the file.
    exec("VACUUM");
    return true;
}

QString VisitHistory::SiteOf(const QString& url) {
    const QUrl parsed(url);
    QString host = parsed.host().toLower();
    if (host.startsWith(QLatin1String("www.")) && host.size() > 4)
        host.remove(0, 4);
    if (!host.isEmpty())
        return host;
    const QString scheme = parsed.scheme().toLower();
    return scheme.isEmpty() ? QStringLiteral("?") : scheme + QLatin1Char(':');
}

VisitHistory& SharedVisitHistory() {
    static VisitHistory history;
    return history;
}
