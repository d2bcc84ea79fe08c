#pragma once

#include "frame/CWindowBar.h"
#include "frame/IWindowBarHost.h"
#include "frame/WindowBarModel.h"

#include <QHash>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>
#include <ostream>
#include <utility>
#include <vector>

inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}

namespace bar_test {

// Stand-ins for browser windows: the bar only compares their addresses.
struct Windows {
    std::array<int, 32> cells{};
    TabWindow operator[](int i) const { return &cells[static_cast<std::size_t>(i)]; }
};

// A program stand-in that records what the bar asks of it. Closing takes the
// window's tab away, as closing a real window does.
class FakeBarHost : public IWindowBarHost {
public:
    explicit FakeBarHost(WindowBarModel& model) : model(model) {}

    void ActivateTabWindow(TabWindow window, TabShowCommand show) override {
        activated.emplace_back(window, show);
    }
    void CloseTabWindow(TabWindow window) override {
        closed.push_back(window);
        model.remove(window);
    }
    void ShowTabMenu(TabWindow window, const QPoint&) override {
        menus.push_back(window);
        if (onMenu)
            onMenu(window);
    }
    QString TabWindowTitle(TabWindow window) const override { return titles.value(window); }
    bool IsActiveChildMaximized() const override { return maximized; }

    WindowBarModel& model;
    std::vector<std::pair<TabWindow, TabShowCommand>> activated;
    std::vector<TabWindow> closed;
    std::vector<TabWindow> menus;
    std::function<void(TabWindow)> onMenu;
    QHash<TabWindow, QString> titles;
    bool maximized = false;
};

// Appends one tab per text (window i for text i) and makes tab current
// current.
inline void fill(WindowBarModel& model, const Windows& w, const QStringList& texts, int current) {
    for (int i = 0; i < texts.size(); ++i) {
        model.insert(w[i], false);
        model.setText(w[i], texts[i]);
    }
    model.selectIndex(current);
}

// The labels the bar shows, "*" after the current one: "A B* C".
inline QString shown(const CWindowBar& bar) {
    QStringList parts;
    for (int i = 0; i < bar.count(); ++i)
        parts << bar.tabLabel(i) + (i == bar.currentIndex() ? QStringLiteral("*") : QString());
    return parts.join(QLatin1Char(' '));
}

} // namespace bar_test
