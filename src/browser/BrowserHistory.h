#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

// The pages visited in one browser window: two parallel lists (titles and
// URLs) and the index of the current page in them, -1 for none.
//
// URLs are compared ignoring letter case. The lists hold at most kMaxEntries
// pages (the number of history menu ids); when a new page would exceed it
// the oldest page is dropped and the index moves with the pages.
class BrowserHistory {
public:
    static constexpr int kMaxEntries = 800;

    int Index() const { return index_; }
    const QStringList& Titles() const { return titles_; }
    const QStringList& Urls() const { return urls_; }
    int Count() const { return static_cast<int>(urls_.size()); }

    // The index of url in the list (ignoring case), -1 when absent.
    int Find(const QString& url) const;

    // A navigation completed on title (the page title, before the title
    // rule) at url. A new URL while a current page exists drops every page
    // after the current one. Then, for a non-empty title and URL other than
    // "about:blank", the URL becomes current (appended when new, with the
    // ruled title); otherwise there is no current page.
    void Record(const QString& title, const QString& url);
    // Gives every page at url (ignoring case) the title.
    void UpdateTitle(const QString& url, const QString& title);
    void Clear();

    // The entries of the back menu (current - 1 down to 0) or of the
    // forward menu (current + 1 up to the last), as (index, title).
    std::vector<std::pair<int, QString>> MenuEntries(bool forward) const;

    // How to reach entry k from the page at currentUrl: a negative count of
    // back steps, a positive count of forward steps, 0 when already there.
    // Nothing when currentUrl is not in the list or k is out of range.
    std::optional<int> StepsTo(int k, const QString& currentUrl) const;

private:
    QStringList titles_;
    QStringList urls_;
    int index_ = -1;
};
