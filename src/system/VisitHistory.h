#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <vector>

struct sqlite3;

// One page of the visit history: its address, the title it had and the
// time of its latest visit on the day asked for.
struct HistoryPage {
    QString url;
    QString title;
    QDateTime time;
};

// One site of a day: its name (see VisitHistory::SiteOf) and how many
// different addresses of it were visited that day.
struct HistorySite {
    QString name;
    int pages = 0;
};

// The program's own record of the pages the user visited: every completed
// top-level navigation (address, title, time) in an SQLite database of its
// own, kept for kKeepDays days.
//
// Several running instances write the same file: the database is in WAL
// mode with a busy time-out, and every visit is one short transaction, so
// visits of instances writing at once all land. A store that cannot be
// opened (unwritable folder, damaged file) records nothing and lists
// nothing; the browser works on without it.
//
// Days are the local calendar days of the visits. Use from one thread.
class VisitHistory {
public:
    static constexpr int kKeepDays = 90;
    // Longest address and title kept; longer ones are cut.
    static constexpr int kMaxUrlLength = 8192;
    static constexpr int kMaxTitleLength = 1024;

    // $XDG_DATA_HOME/quorrelin/History.sqlite (the folder is made on opening).
    static QString DefaultPath();

    // Opens (or creates) the store at path and removes visits older than
    // kKeepDays days.
    explicit VisitHistory(const QString& path = DefaultPath());
    ~VisitHistory();
    VisitHistory(const VisitHistory&) = delete;
    VisitHistory& operator=(const VisitHistory&) = delete;

    bool IsOpen() const { return m_db != nullptr; }
    const QString& Path() const { return m_path; }

    // Records one visit. Empty addresses, "about:" pages and script
    // addresses are not history: false, nothing written. False also when the
    // write failed.
    bool Record(const QString& url, const QString& title,
                const QDateTime& when = QDateTime::currentDateTime());

    // The days with visits, newest first.
    std::vector<QDate> Days() const;
    // The sites visited on day, by name (case ignored).
    std::vector<HistorySite> Sites(const QDate& day) const;
    // The addresses of site visited on day, each once with its latest visit,
    // most recent first.
    std::vector<HistoryPage> Pages(const QDate& day, const QString& site) const;
    // All visits stored (every visit counts, repeated ones too).
    std::int64_t VisitCount() const;

    // Changes whenever the visits change, by this object or by another
    // connection to the file (another instance); 0 when the store is closed.
    std::int64_t ChangeMark() const;

    // Removes visits older than kKeepDays days before now. Returns false
    // when the store is not open or the delete failed.
    bool Prune(const QDateTime& now = QDateTime::currentDateTime());
    // Removes every visit.
    bool Clear();

    // The site an address belongs to: its host without a leading "www.",
    // else its scheme followed by ":" ("file:").
    static QString SiteOf(const QString& url);

private:
    bool open();
    bool exec(const char* sql) const;
    bool runWrite(const char* sql, std::int64_t bound);

    QString m_path;
    sqlite3* m_db = nullptr;
    // Writes made through this object.
    std::int64_t m_writes = 0;
    // When the store was last pruned in this process.
    QDateTime m_lastPrune;
};

// The process's visit history at VisitHistory::DefaultPath(), opened at
// first use. The browser windows record into it; the explorer bar and the
// clear-history command read and clear it.
VisitHistory& SharedVisitHistory();
