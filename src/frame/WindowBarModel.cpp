#include "frame/WindowBarModel.h"

#include "frame/WindowBarModelObserver.h"

#include <QStringList>

#include <algorithm>

void WindowBarModel::addObserver(WindowBarModelObserver* observer) {
    if (observer && std::find(observers_.begin(), observers_.end(), observer) == observers_.end())
        observers_.push_back(observer);
}

void WindowBarModel::removeObserver(WindowBarModelObserver* observer) {
    observers_.erase(std::remove(observers_.begin(), observers_.end(), observer), observers_.end());
}

const WindowBarTab* WindowBarModel::tabAt(int index) const {
    if (index < 0 || index >= count())
        return nullptr;
    return &tabs_[static_cast<std::size_t>(index)];
}

TabWindow WindowBarModel::windowAt(int index) const {
    const WindowBarTab* tab = tabAt(index);
    return tab ? tab->window : nullptr;
}

int WindowBarModel::indexOf(TabWindow window) const {
    if (!window)
        return -1;
    for (std::size_t i = 0; i < tabs_.size(); ++i) {
        if (tabs_[i].window == window)
            return static_cast<int>(i);
    }
    return -1;
}

std::vector<TabWindow> WindowBarModel::windows() const {
    std::vector<TabWindow> out;
    out.reserve(tabs_.size());
    for (const WindowBarTab& tab : tabs_)
        out.push_back(tab.window);
    return out;
}

int WindowBarModel::insert(TabWindow window, bool select, TabWindow after) {
    if (!window || indexOf(window) >= 0)
        return -1;
    const int afterIndex = indexOf(after);
    const int index = afterIndex >= 0 ? afterIndex + 1 : count();
    WindowBarTab tab;
    tab.window = window;
    tabs_.insert(tabs_.begin() + index, std::move(tab));
    if (current_ >= index)
        ++current_; // the same tab stays current
    for (WindowBarModelObserver* observer : observers_)
        observer->tabInserted(index);
    if (select || current_ < 0)
        setCurrent(index);
    return index;
}

bool WindowBarModel::remove(TabWindow window) {
    const int index = indexOf(window);
    if (index < 0)
        return false;
    tabs_.erase(tabs_.begin() + index);
    const bool wasCurrent = index == current_;
    if (index < current_)
        --current_;
    else if (wasCurrent)
        current_ = std::min(index, count() - 1);
    for (WindowBarModelObserver* observer : observers_)
        observer->tabRemoved(index, window);
    if (wasCurrent) {
        for (WindowBarModelObserver* observer : observers_)
            observer->currentChanged(current_);
    }
    return true;
}

bool WindowBarModel::select(TabWindow window) {
    return selectIndex(indexOf(window));
}

bool WindowBarModel::selectIndex(int index) {
    if (!tabAt(index))
        return false;
    setCurrent(index);
    return true;
}

void WindowBarModel::setCurrent(int index) {
    if (index == current_)
        return;
    current_ = index;
    for (WindowBarModelObserver* observer : observers_)
        observer->currentChanged(index);
}

bool WindowBarModel::setText(TabWindow window, const QString& text) {
    const int index = indexOf(window);
    if (index < 0)
        return false;
    const WindowBarTab& tab = tabs_[static_cast<std::size_t>(index)];
    changeTab(index, tabDisplayText(text), tab.image, tab.percent);
    return true;
}

bool WindowBarModel::setProgress(TabWindow window, int percent, const TabWindowState& state) {
    const int index = indexOf(window);
    if (index < 0 || !isTabPercent(percent))
        return false;
    const int shown = tabShownPercent(percent, index == current_, state.busy);
    changeTab(index, tabDisplayText(state.text), tabProgressImage(shown, state.locked), shown);
    return true;
}

bool WindowBarModel::setLockMark(TabWindow window, bool locked) {
    const int index = indexOf(window);
    if (index < 0)
        return false;
    const WindowBarTab& tab = tabs_[static_cast<std::size_t>(index)];
    changeTab(index, tab.text, tabLockMarkImage(tab.image, locked), tab.percent);
    return true;
}

// Stores the tab's new state and tells the observers what of it changed.
void WindowBarModel::changeTab(int index, const QString& text, int image, int percent) {
    WindowBarTab& tab = tabs_[static_cast<std::size_t>(index)];
    unsigned what = 0;
    if (tab.text != text) {
        tab.text = text;
        what |= WindowBarModelObserver::kTextChanged;
    }
    if (tab.image != image) {
        tab.image = image;
        what |= WindowBarModelObserver::kImageChanged;
    }
    tab.percent = percent;
    if (what == 0)
        return;
    for (WindowBarModelObserver* observer : observers_)
        observer->tabChanged(index, what);
}

int WindowBarModel::fromIndex(TabWindow from) const {
    return from ? indexOf(from) : current_;
}

TabWindow WindowBarModel::previousWindow(TabWindow from) const {
    int i = fromIndex(from);
    if (i < 0)
        return nullptr;
    if (i == 0)
        i = count();
    return windowAt(i - 1);
}

TabWindow WindowBarModel::nextWindow(TabWindow from) const {
    const int i = fromIndex(from);
    if (i < 0)
        return nullptr;
    return windowAt(i == count() - 1 ? 0 : i + 1);
}

QString WindowBarModel::describe(bool withImages) const {
    QStringList parts;
    for (int i = 0; i < count(); ++i) {
        const WindowBarTab& tab = tabs_[static_cast<std::size_t>(i)];
        QString part = tab.text.isEmpty() ? QStringLiteral("-") : tab.text;
        if (withImages)
            part += QLatin1Char(':') + QString::number(tab.image);
        if (tab.locked())
            part += QLatin1Char('!');
        if (i == current_)
            part += QLatin1Char('*');
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}
