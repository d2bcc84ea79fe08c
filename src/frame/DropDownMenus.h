#pragma once

#include <optional>

// Where the menu of a toolbar drop-down button comes from.
//
// Most drop-down buttons open a popup of the main menu, found by position:
// the top-level popup at topLevel and, unless sub is negative, the submenu
// at position sub inside it. The back and forward buttons open the active
// view's history instead, and the edit button the list of page editors.
struct DropDownMenuSource {
    enum class Kind {
        MainMenu,       // a popup of the main menu (topLevel, sub)
        BackHistory,    // the active view's back history
        ForwardHistory, // the active view's forward history
        Editors,        // the known page editors
    };

    Kind kind = Kind::MainMenu;
    int topLevel = -1; // position in the main menu (MainMenu only)
    int sub = -1;      // position inside that popup; -1: the popup itself

    friend bool operator==(const DropDownMenuSource&, const DropDownMenuSource&) = default;
};

// The menu source of a drop-down button's command; nothing for a command
// whose button has no menu.
std::optional<DropDownMenuSource> dropDownMenuSource(unsigned command);

// The index in the menu bar of the top-level popup at position. A menu bar
// that shows the maximised child window's system menu as its first entry
// while a child is maximised moves every popup one place to the right.
int menuBarIndex(int position, bool childMaximized, bool barShowsChildSystemMenu);
