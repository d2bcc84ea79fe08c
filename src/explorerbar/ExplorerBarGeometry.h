#pragma once

// The explorer bar's size rules, in pixels of the main frame's client area.
namespace explorerbar {

inline constexpr int kMinimumWidth = 150;
// Room the bar always leaves to the browser windows at the right.
inline constexpr int kRightMargin = 50;
// The sizing zone: the bar's rightmost pixels.
inline constexpr int kSizingZone = 3;

// The width the bar opens with: the stored width, at least kMinimumWidth,
// at most the client width less kRightMargin.
int OpeningWidth(int storedWidth, int clientWidth);
// Whether a drag to x (bar coordinates) resizes: strictly between
// kMinimumWidth and the client width less kRightMargin.
bool DragResizes(int x, int clientWidth);

// What choosing a pane does: open the bar, switch to the pane, or close the
// bar because the pane already shows.
enum class ShowAction { Open, Switch, Close };
ShowAction ActionForShow(bool barOpen, int currentPane, int requestedPane);

} // namespace explorerbar
