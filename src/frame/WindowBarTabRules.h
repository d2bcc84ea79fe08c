#pragma once

#include <QString>

#include <cstdint>

// The rules that turn a browser window's title and loading state into what
// its window bar tab shows: the tab text, the tooltip text and the index of
// the tab's picture.
//
// The window bar's image list has 20 pictures: 0..8 are the loading steps,
// 9 a window at rest, and 10..19 the same ten with a lock mark. A "percent"
// here is either 0..100 (loading, 100 = complete) or -1 (no progress shown).

inline constexpr int kTabImageCount = 20;
inline constexpr int kTabProgressSteps = 9; // images 0..8
inline constexpr int kTabRestImage = 9;
inline constexpr int kTabLockOffset = 10;
inline constexpr int kTabNoProgress = -1;

// A tab text longer than kTabTextLimit is cut to kTabTextKept characters
// followed by "...".
inline constexpr int kTabTextLimit = 64;
inline constexpr int kTabTextKept = 61;
// The tooltip buffer holds this many characters including its terminator.
inline constexpr int kTabTooltipBuffer = 80;

// The text a tab shows for text: every "%20" becomes a blank, then a text
// longer than 64 characters (UTF-16 units) becomes its first 61 followed by
// "...". A surrogate pair is never split: the cut then keeps 60 units.
QString tabDisplayText(const QString& text);

// The tooltip of a tab for its document title: at most 79 characters (the
// 80-character buffer with its terminator), never splitting a surrogate pair.
QString tabTooltipText(const QString& title);

// The loading percent from an engine progress report (progress of max): 100
// unless max > 0 and progress < max; a negative progress then counts as max
// (100); otherwise progress * 100 / max rounded down. Exact for every pair of
// 64-bit values; never divides by zero.
int pageLoadPercent(std::int64_t progress, std::int64_t max);

// Whether percent is a value a tab accepts: -1 or 0..100.
bool isTabPercent(int percent);

// The percent a tab shows when asked to show percent: on the current tab, 100
// and -1 both become 100 while the window is still busy and -1 when it is
// not; other tabs show percent as given.
int tabShownPercent(int percent, bool isCurrentTab, bool busy);

// The picture for percent: 9 for -1, otherwise percent * 8 / 100 (0..12 -> 0,
// 13..24 -> 1, ..., 100 -> 8), plus 10 when locked. Percent below -1 counts
// as -1 and above 100 as 100, so the result is always 0..19.
int tabProgressImage(int percent, bool locked);

// The picture after the window's lock state changed: 10 added when locked and
// image is below 10, 10 taken away when not locked and image is above 9,
// otherwise image unchanged.
int tabLockMarkImage(int image, bool locked);

// Whether image is one of the pictures with the lock mark (10..19).
bool isLockedTabImage(int image);
