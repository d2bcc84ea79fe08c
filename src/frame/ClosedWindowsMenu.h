#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class CAppSettings;

// The Go menu's list of recently closed windows, built from the closed-windows
// entries (title, line feed, address; most recent first, empty entries only
// at the end; the list's size is its capacity).

struct ClosedWindowMenuItem {
    unsigned id = 0; // 32846 + entry index; 0 for the disabled placeholder
    QString text;    // plain text (no mnemonic escaping)

    friend bool operator==(const ClosedWindowMenuItem&, const ClosedWindowMenuItem&) = default;
};

// One item per entry up to the first empty one, titled with the entry's title
// part or "未命名     " when it has none. Without entries one placeholder:
// "（空）" while the list has a capacity, "（禁止）" when its capacity is 0.
std::vector<ClosedWindowMenuItem> closedWindowsMenuItems(const QStringList& entries);

// The address that command id reopens: the address part of its entry;
// nothing when id is outside the range, beyond the capacity or names an
// empty entry.
std::optional<QString> closedWindowAddress(unsigned id, const QStringList& entries);

// Empties every entry (the capacity stays) when the clear-history choice
// includes the recently closed windows (bit 0x10000) and the list is enabled.
// Returns whether it did.
bool clearClosedWindowsByOption(CAppSettings& settings, unsigned clearOption);
