#pragma once

#include "frame/WindowBarTab.h"

#include <QRect>
#include <QSize>

class WindowBarModel;

// What the window bar does with the mouse, decided without a widget. A hit
// index is the index of the tab under the cursor, -1 when the cursor is on
// no tab; the widget hit-tests and carries out the decision.

// How a window is shown when its tab brings it to the front.
enum class TabShowCommand {
    Normal = 1,    // the active child window is not maximised
    Maximized = 3, // the active child window is maximised
};
TabShowCommand tabShowCommand(bool activeChildMaximized);

// A left click: true when it hits the tab that is already current, which
// then brings its window to the front itself (refreshes the title and
// activates it) because no selection change follows. Other clicks leave it to
// the selection change.
bool clickReactivatesCurrentTab(int hitIndex, int currentIndex);

// A double click: the tab whose window closes, -1 for none. Only with
// AllowDoubleClickClose; the default handling follows in every case.
int tabClosedByDoubleClick(int hitIndex, bool allowDoubleClickClose);

// A middle button press: the same with MButtonCloseTab.
int tabClosedByMiddleClick(int hitIndex, bool middleButtonCloseTab);

// A right click: the context window becomes the hit tab's window, or none
// beside the tabs; only on a tab is the menu shown (with that tab
// highlighted while it is open).
struct TabContextDecision {
    TabWindow contextWindow = nullptr;
    int highlightIndex = -1;
    bool showMenu = false;
};
TabContextDecision tabRightClick(const WindowBarModel& model, int hitIndex);

// The close button's place on the tab at tabRect: its top edge 2 pixels
// below the tab's top, its right edge 2 pixels left of the tab's right (the
// right edge as the first pixel past the rectangle), keeping buttonSize.
QRect tabCloseButtonGeometry(const QRect& tabRect, const QSize& buttonSize);
