#include "system/VisitHistory.h"

#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <sys/wait.h>
#include <unistd.h>

namespace {

QString freshStore(const QString& name) {
    return testenv::freshDir(name) + QStringLiteral("/History.sqlite");
}

QDateTime at(const QDate& day, int hour, int minute = 0) {
    return QDateTime(day, QTime(hour, minute));
}

QStringList siteNames(const std::vector<HistorySite>& sites) {
    QStringList names;
    for (const HistorySite& site : sites)
        names << QStringLiteral("%1=%2").arg(site.name).arg(site.pages);
    return names;
}

QStringList pageTexts(const std::vector<HistoryPage>& pages) {
    QStringList texts;
    for (const HistoryPage& page : pages)
        texts << page.title + QLatin1Char('|') + page.url;
    return texts;
}

} // namespace

TEST(VisitHistoryTest, VisitsAreListedByDayThenSiteThenPage) {
    VisitHistory history(freshStore(QStringLiteral("byday")));
    ASSERT_TRUE(history.IsOpen());
    const QDate today = QDate::currentDate();
    const QDate yesterday = today.addDays(-1);
    ASSERT_TRUE(history.Record("https://www.example.org/a", "A old", at(yesterday, 9)));
    ASSERT_TRUE(history.Record("https://www.example.org/b", "B", at(today, 8)));
    ASSERT_TRUE(history.Record("https://www.example.org/a", "A new", at(today, 10)));
    ASSERT_TRUE(history.Record("https://news.example.net/x", "X", at(today, 9)));
    ASSERT_TRUE(history.Record("file:///home/u/page.html", "", at(today, 7)));

    EXPECT_EQ(history.Days(), (std::vector<QDate>{today, yesterday}));
    // "www." is not part of the site; files are grouped by their scheme.
    EXPECT_EQ(siteNames(history.Sites(today)),
              QStringList({"example.org=2", "file:=1", "news.example.net=1"}));
    // One entry per address, with the title of its latest visit, newest first.
    EXPECT_EQ(pageTexts(history.Pages(today, "example.org")),
              QStringList({"A new|https://www.example.org/a", "B|https://www.example.org/b"}));
    EXPECT_EQ(pageTexts(history.Pages(yesterday, "example.org")),
              QStringList({"A old|https://www.example.org/a"}));
    EXPECT_EQ(history.VisitCount(), 5);
}

TEST(VisitHistoryTest, OnlyRealAddressesAreRecordedAndLongTextIsCut) {
    VisitHistory history(freshStore(QStringLiteral("kinds")));
    EXPECT_FALSE(history.Record("", "empty"));
    EXPECT_FALSE(history.Record("about:blank", "blank"));
    EXPECT_FALSE(history.Record("javascript:void(0)", "script"));
    EXPECT_FALSE(history.Record("foo bar", "not an address"));
    EXPECT_EQ(history.VisitCount(), 0);

    const QString longUrl = "https://example.org/" + QString(20000, QLatin1Char('p'));
    ASSERT_TRUE(history.Record(longUrl, QString(5000, QLatin1Char('t'))));
    const auto pages = history.Pages(QDate::currentDate(), "example.org");
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].url.size(), VisitHistory::kMaxUrlLength);
    EXPECT_EQ(pages[0].title.size(), VisitHistory::kMaxTitleLength);
}

TEST(VisitHistoryTest, VisitsOlderThanNinetyDaysArePrunedAlsoWhenTheStoreOpens) {
    const QString path = freshStore(QStringLiteral("prune"));
    const QDateTime now = QDateTime::currentDateTime();
    {
        VisitHistory history(path);
        ASSERT_TRUE(history.Record("https://old.example/", "old", now.addDays(-91)));
        ASSERT_TRUE(history.Record("https://edge.example/", "kept", now.addDays(-89)));
        ASSERT_TRUE(history.Record("https://new.example/", "new", now));
        EXPECT_EQ(history.VisitCount(), 3);
    }
    VisitHistory reopened(path);
    EXPECT_EQ(reopened.VisitCount(), 2);
    EXPECT_TRUE(reopened.Sites(now.addDays(-91).date()).empty());
    ASSERT_TRUE(reopened.Prune(now.addDays(2)));
    EXPECT_EQ(reopened.VisitCount(), 1);
}

TEST(VisitHistoryTest, ClearingEmptiesTheStoreWhichKeepsRecording) {
    const QString path = freshStore(QStringLiteral("clear"));
    VisitHistory history(path);
    ASSERT_TRUE(history.Record("https://example.org/1", "1"));
    ASSERT_TRUE(history.Record("https://example.org/2", "2"));
    ASSERT_TRUE(history.Clear());
    EXPECT_EQ(history.VisitCount(), 0);
    EXPECT_TRUE(history.Days().empty());
    // Another instance sees it, and its writes change this one's mark.
    VisitHistory other(path);
    EXPECT_EQ(other.VisitCount(), 0);
    const std::int64_t mark = history.ChangeMark();
    EXPECT_EQ(history.ChangeMark(), mark);
    ASSERT_TRUE(other.Record("https://example.org/other", "o"));
    EXPECT_NE(history.ChangeMark(), mark);
    ASSERT_TRUE(other.Clear());
    ASSERT_TRUE(history.Record("https://example.org/3", "3"));
    EXPECT_EQ(history.VisitCount(), 1);
}

TEST(VisitHistoryTest, AStoreThatCannotBeOpenedRecordsAndListsNothing) {
    const QString dir = testenv::freshDir(QStringLiteral("blocked"));
    QFile blocker(dir + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    VisitHistory history(dir + "/file/History.sqlite");
    EXPECT_FALSE(history.IsOpen());
    EXPECT_FALSE(history.Record("https://example.org/", "x"));
    EXPECT_TRUE(history.Days().empty());
    EXPECT_FALSE(history.Clear());
}

TEST(VisitHistoryTest, TwoProcessesWritingAtOnceLoseNoVisit) {
    const QString path = freshStore(QStringLiteral("together"));
    { VisitHistory create(path); }
    constexpr int kVisits = 300;
    const auto write = [&path](const char* host) {
        VisitHistory history(path);
        int written = 0;
        for (int i = 0; i < kVisits; ++i)
            written += history.Record(QStringLiteral("https://%1/%2").arg(host).arg(i), "t") ? 1 : 0;
        return written;
    };
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0)
        _exit(write("child.example") == kVisits ? 0 : 1);
    const int parentWritten = write("parent.example");
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(parentWritten, kVisits);
    VisitHistory check(path);
    EXPECT_EQ(check.VisitCount(), 2 * kVisits);
    EXPECT_EQ(siteNames(check.Sites(QDate::currentDate())),
              QStringList({"child.example=300", "parent.example=300"}));
}
