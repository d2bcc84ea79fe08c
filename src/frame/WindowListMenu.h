#pragma once

#include <QString>

#include <vector>

class WindowBarModel;

// The Window menu's list of open windows and the select-window entries,
// built from the window bar's tabs.

// The Window popup keeps its first seven items (cascade, tile horizontally,
// tile vertically, arrange icons, separator, previous, next); the list
// replaces everything after them.
inline constexpr int kWindowMenuFixedItems = 7;
// At most this many tabs are listed, with ids 65280 + tab index.
inline constexpr int kWindowMenuMaxWindows = 10;
// The longest text of an entry.
inline constexpr int kWindowEntryMaxText = 255;

// The text that stands for a window without a title: "untitled" and five
// blanks.
QString untitledWindowText();
// The Window menu's last item, opening the select-window dialog.
QString selectWindowItemText();

// A tab's text as a menu or list entry: at most 255 characters, the
// untitled text when empty.
QString windowEntryText(const QString& tabText);

struct WindowMenuItem {
    bool separator = false;
    unsigned id = 0; // command id (0 for a separator)
    QString text;
    bool checked = false;

    friend bool operator==(const WindowMenuItem&, const WindowMenuItem&) = default;
};

// The items appended after the fixed ones: nothing without tabs; otherwise
// a separator, one item per tab of the first ten (the current one checked),
// a separator and the select-window item (65290).
std::vector<WindowMenuItem> windowListMenuItems(const WindowBarModel& model);

// The tab that command id (65280..65289) activates: its index, or -1 when
// the id is outside the range, names no tab or names the current tab.
int windowListCommandTab(unsigned id, const WindowBarModel& model);
