#pragma once

#include <QString>

#include <span>

// The program's menus as data: menu resources 128 (main menu), 155 (window
// caption and window bar context menus), 173 (explorer bar item menu) and 206
// (notification area menu). Item positions count separators, as other code
// finds submenus by position (see the position constants below).
namespace res {

struct MenuItem {
    enum class Kind { Command, Separator, Popup };

    Kind kind = Kind::Command;
    unsigned id = 0;                 // command id; 0 for separators and popups
    const char* text = nullptr;      // UTF-8; the part after "\t" is the shortcut text
    std::span<const MenuItem> items; // a popup's items
    bool grayed = false;             // shown disabled and never updated (placeholders)

    bool isSeparator() const { return kind == Kind::Separator; }
    bool isPopup() const { return kind == Kind::Popup; }
    QString label() const { return text ? QString::fromUtf8(text) : QString(); }
};

struct MenuResource {
    unsigned id;
    std::span<const MenuItem> popups; // the top-level popups in order
};

// Resource ids.
inline constexpr unsigned MainMenu = 128;
inline constexpr unsigned WindowContextMenus = 155; // popups "Caption" and "Tab"
inline constexpr unsigned ExplorerItemMenu = 173;   // popup "Common"
inline constexpr unsigned SystrayMenu = 206;        // popup "Systray"

// Positions in the main menu's bar.
namespace mainpos {
inline constexpr int File = 0;
inline constexpr int Edit = 1;
inline constexpr int View = 2;
inline constexpr int Go = 3;
inline constexpr int Favorites = 4;
inline constexpr int LinkGroups = 5;
inline constexpr int Tools = 6;
inline constexpr int Window = 7;
inline constexpr int Help = 8;
} // namespace mainpos

// Positions of submenus inside their popups.
namespace subpos {
inline constexpr int FileNewIe = 0;             // File: new Internet Explorer window
inline constexpr int FileNewMozilla = 1;        // File: new Mozilla window
inline constexpr int ViewToolbars = 0;          // View: toolbars
inline constexpr int ViewTextSize = 10;         // View: text size
inline constexpr int ViewDownloadOptions = 11;  // View: download options
inline constexpr int GoClosedWindows = 10;      // Go: recently closed windows
inline constexpr int LinkGroupsAdd = 0;         // Link groups: add to link group
inline constexpr int LinkGroupsAsFavorites = 4; // Link groups: groups as favorites
inline constexpr int ContextLinkGroupAdd = 8;   // Caption and Tab: add to link group
} // namespace subpos

// Number of items the dynamic menus keep when they are rebuilt.
inline constexpr int FavoritesFixedItems = 2;
inline constexpr int LinkGroupsFixedItems = 6;
inline constexpr int LinkGroupAddFixedItems = 2;
inline constexpr int WindowFixedItems = 7;

// The menu resource with that id, or nullptr.
const MenuResource* findMenuResource(unsigned id);
// The top-level popup at position of menu resource id, or nullptr.
const MenuItem* findPopup(unsigned resourceId, int position);

} // namespace res
