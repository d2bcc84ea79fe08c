#include "frame/WindowListMenu.h"

#include "frame/WindowBarModel.h"
#include "framework/CommandIds.h"

#include <algorithm>

QString untitledWindowText() {
    return QStringLiteral("未命名     ");
}

QString selectWindowItemText() {
    return QStringLiteral("选择窗口...         ");
}

QString windowEntryText(const QString& tabText) {
    if (tabText.isEmpty())
        return untitledWindowText();
    return tabText.left(kWindowEntryMaxText);
}

std::vector<WindowMenuItem> windowListMenuItems(const WindowBarModel& model) {
    std::vector<WindowMenuItem> items;
    if (model.isEmpty())
        return items;
    const int listed = std::min(model.count(), kWindowMenuMaxWindows);
    items.reserve(static_cast<std::size_t>(listed) + 3);
    items.push_back({true, 0, QString(), false});
    for (int i = 0; i < listed; ++i) {
        items.push_back({false, cmd::WindowList.at(static_cast<unsigned>(i)),
                         windowEntryText(model.tabAt(i)->text), i == model.currentIndex()});
    }
    items.push_back({true, 0, QString(), false});
    items.push_back({false, cmd::SelectWindow, selectWindowItemText(), false});
    return items;
}

int windowListCommandTab(unsigned id, const WindowBarModel& model) {
    if (!cmd::WindowList.contains(id))
        return -1;
    const int index = static_cast<int>(cmd::WindowList.index(id));
    if (index >= model.count() || index == model.currentIndex())
        return -1;
    return index;
}
