#include "frame/ClosedWindowsMenu.h"

#include "app/CAppSettings.h"
#include "app/ClosedWindowEntry.h"
#include "frame/WindowListMenu.h"
#include "framework/CommandIds.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

namespace {
// The clear-history choice that empties the recently closed windows.
constexpr unsigned kClearClosedWindowsBit = 0x10000;
} // namespace

std::vector<ClosedWindowMenuItem> closedWindowsMenuItems(const QStringList& entries) {
    std::vector<ClosedWindowMenuItem> items;
    const qsizetype listed = std::min<qsizetype>(entries.size(), cmd::ClosedWindows.size());
    for (qsizetype i = 0; i < listed && !entries[i].isEmpty(); ++i) {
        const QString title = ClosedWindowEntryTitle(entries[i]);
        items.push_back({cmd::ClosedWindows.at(static_cast<unsigned>(i)),
                         title.isEmpty() ? untitledWindowText() : title});
    }
    if (items.empty())
        items.push_back(
            {0, res::loadString(entries.isEmpty() ? sid::DisabledMenu : sid::EmptyMenu)});
    return items;
}

std::optional<QString> closedWindowAddress(unsigned id, const QStringList& entries) {
    if (!cmd::ClosedWindows.contains(id))
        return std::nullopt;
    const qsizetype index = cmd::ClosedWindows.index(id);
    if (index >= entries.size() || entries[index].isEmpty())
        return std::nullopt;
    return ClosedWindowEntryAddress(entries[index]);
}

bool clearClosedWindowsByOption(CAppSettings& settings, unsigned clearOption) {
    if ((clearOption & kClearClosedWindowsBit) == 0 || settings.ClosedWindowsCount() == 0)
        return false;
    settings.ClearClosedWindows();
    return true;
}
