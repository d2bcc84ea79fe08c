#include "browser/BrowserHistory.h"

#include "browser/BrowserViewRules.h"

int BrowserHistory::Find(const QString& url) const {
    for (int i = 0; i < urls_.size(); ++i) {
        if (urls_[i].compare(url, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

void BrowserHistory::Record(const QString& title, const QString& url) {
    if (index_ >= 0 && !title.isEmpty() && !url.isEmpty() && Find(url) < 0) {
        titles_.resize(index_ + 1);
        urls_.resize(index_ + 1);
    }
    const QString ruled = ApplyTitleRule(title);
    if (ruled.isEmpty() || url.isEmpty() || IsAboutBlank(url)) {
        index_ = -1;
        return;
    }
    int found = Find(url);
    if (found < 0) {
        if (urls_.size() >= kMaxEntries) {
            titles_.removeFirst();
            urls_.removeFirst();
        }
        titles_.append(ruled);
        urls_.append(url);
        found = static_cast<int>(urls_.size()) - 1;
    }
    index_ = found;
}

void BrowserHistory::UpdateTitle(const QString& url, const QString& title) {
    for (int i = 0; i < urls_.size(); ++i) {
        if (urls_[i].compare(url, Qt::CaseInsensitive) == 0)
            titles_[i] = title;
    }
}

void BrowserHistory::Clear() {
    titles_.clear();
    urls_.clear();
    index_ = -1;
}

std::vector<std::pair<int, QString>> BrowserHistory::MenuEntries(bool forward) const {
    std::vector<std::pair<int, QString>> entries;
    if (forward) {
        for (int i = index_ + 1; i < urls_.size(); ++i)
            entries.emplace_back(i, titles_[i]);
    } else {
        for (int i = index_ - 1; i >= 0; --i)
            entries.emplace_back(i, titles_[i]);
    }
    return entries;
}

std::optional<int> BrowserHistory::StepsTo(int k, const QString& currentUrl) const {
    const int current = Find(currentUrl);
    if (current < 0 || k < 0 || k >= urls_.size())
        return std::nullopt;
    return k - current;
}
