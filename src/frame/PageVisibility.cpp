#include "frame/PageVisibility.h"

std::vector<bool> visiblePages(MainWindowShow main, std::span<const ChildWindowState> children) {
    std::vector<bool> seen(children.size(), false);
    if (main != MainWindowShow::Normal)
        return seen;
    bool covered = false;
    for (std::size_t i = 0; i < children.size(); ++i) {
        const ChildWindowState& child = children[i];
        const bool shown =
            child.show == ChildWindowShow::Normal || child.show == ChildWindowShow::Maximized;
        if (!shown)
            continue;
        seen[i] = !covered || child.active;
        if (child.show == ChildWindowShow::Maximized)
            covered = true;
    }
    return seen;
}
