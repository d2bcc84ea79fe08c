#include "frame/WindowActivation.h"

#include "res/MessageFormat.h"
#include "res/StringIds.h"

#include <algorithm>

WindowCloseVerdict decideWindowClose(const WindowCloseRequest& request) {
    using Action = WindowCloseVerdict::Action;
    if (request.mainFrameClosing)
        return {Action::Close, false};
    if (request.multiClose)
        return {request.locked ? Action::KeepOpen : Action::Close, false};
    return {request.locked ? Action::AskLocked : Action::Close, request.active};
}

QString lockedCloseQuestion(const QString& tabText) {
    return res::formatString(sid::ConfirmCloseLocked, {{QStringLiteral("%title%"), tabText}});
}

namespace {

// The tab index to activate by tab order: mode 0 previous (next from the
// first), mode 1 next (previous from the last), both wrapping round.
int neighbourTab(int mode, int i, int n) {
    const bool previous = mode == kActivatePrevious ? i > 0 : i >= n - 1;
    if (previous)
        return (i <= 0 ? n : i) - 1;
    return i == n - 1 ? 0 : i + 1;
}

bool hasTab(std::span<const TabWindow> tabOrder, TabWindow window) {
    return std::find(tabOrder.begin(), tabOrder.end(), window) != tabOrder.end();
}

TabWindow creationNeighbour(std::span<const TabWindow> tabOrder,
                            std::span<const TabWindow> creationOrder, TabWindow closing) {
    const auto at = std::find(creationOrder.begin(), creationOrder.end(), closing);
    if (at == creationOrder.end())
        return nullptr;
    for (auto it = at; it != creationOrder.begin();) {
        --it;
        if (hasTab(tabOrder, *it))
            return *it;
    }
    for (auto it = at + 1; it != creationOrder.end(); ++it) {
        if (hasTab(tabOrder, *it))
            return *it;
    }
    return nullptr;
}

} // namespace

TabWindow nextActiveWindow(int activateMode, std::span<const TabWindow> tabOrder, int currentIndex,
                           std::span<const TabWindow> creationOrder, TabWindow closing) {
    TabWindow next = nullptr;
    const int n = static_cast<int>(tabOrder.size());
    if (activateMode == kActivatePrevious || activateMode == kActivateNext) {
        if (n > 0 && currentIndex >= -1 && currentIndex < n) {
            const int index = neighbourTab(activateMode, currentIndex, n);
            next = tabOrder[static_cast<std::size_t>(index)];
        }
    } else {
        next = creationNeighbour(tabOrder, creationOrder, closing);
    }
    return next == closing ? nullptr : next;
}
