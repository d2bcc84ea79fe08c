#pragma once

#include <QSize>

#include <optional>

class CAppSettings;

// The window bar's options (settings values of the same names) and the
// arithmetic of its layout and style, without any widget.

struct WindowBarOptions {
    int tabPosition = 1;           // TabPosition: 0 hidden, 1 top, 2 bottom
    bool singleLine = true;        // UseSingleLineTabs
    bool flat = true;              // UseFlatTab
    bool fixedWidth = true;        // UseFixedWidthTab
    int tabWidth = 90;             // TabWidth
    int fixedWidthType = 1;        // FixedTabWidthType: 1 fits the width to the bar
    bool closeButton = true;       // DisplayTabCloseButton
    bool doubleClickClose = false; // AllowDoubleClickClose
    bool middleClickClose = true;  // MButtonCloseTab

    static WindowBarOptions fromSettings(const CAppSettings& settings);
    // Writes the three values the style commands change (UseSingleLineTabs,
    // UseFixedWidthTab, FixedTabWidthType) back into settings, as 0 or 1
    // for the flags.
    void storeStyle(CAppSettings& settings) const;

    friend bool operator==(const WindowBarOptions&, const WindowBarOptions&) = default;
};

// Every tab's height when the bar sets the item size.
inline constexpr int kTabItemHeight = 22;
// The row height assumed while the bar has no tab.
inline constexpr int kEmptyTabRowHeight = 23;
// The narrowest fitted tab.
inline constexpr int kNarrowestFittedTab = 5;

// The minimum child height of the bar's band: (row height + 3) x rows - 2,
// where rows counts as 1 when 0 (or less) and the row height is that of the
// first tab, or 23 when there is none.
int windowBarBandHeight(int rows, std::optional<int> firstTabHeight);

// The item size that fits count tabs into a client area clientWidth wide:
// w = (clientWidth - 10 x count - 20) / count (rounded towards zero); the
// width is min(tabWidth, w) when w > 4, otherwise 5; the height is 22.
// Nothing when count is 0 or less.
std::optional<QSize> fittedTabSize(int clientWidth, int count, int tabWidth);

// The item size of fixed-width tabs that are not fitted: tabWidth x 22.
QSize fixedTabSize(int tabWidth);

// How the bar is styled for options.
struct WindowBarStyle {
    bool flat = false;       // flat buttons
    bool fixedWidth = false; // every tab the same width
    bool multiRow = false;   // tabs wrap onto several rows
    // With fixed width: true when the width is fitted to the bar (then
    // itemSize is empty), else itemSize is tabWidth x 22.
    bool fitWidth = false;
    std::optional<QSize> itemSize;

    friend bool operator==(const WindowBarStyle&, const WindowBarStyle&) = default;
};
WindowBarStyle windowBarStyle(const WindowBarOptions& options);

// Whether a re-layout of the bar fits the tab width (fixed width and type 1).
bool fitsWidthOnRelayout(const WindowBarOptions& options);
// Whether the main window fits the tab width after each size change (single
// line tabs and type 1). The width only has an effect with fixed width.
bool fitsWidthOnFrameResize(const WindowBarOptions& options);

// The three style commands; each changes options as the command does. The
// caller stores them and restyles the bar.
void toggleSingleLineTabs(WindowBarOptions& options); // 33286
void toggleFixedWidthTabs(WindowBarOptions& options); // 33287
void toggleFitWidthTabs(WindowBarOptions& options);   // 33288

// The check marks and enabling of the style and position items of the
// window bar menu.
struct WindowBarMenuState {
    bool singleLineChecked = false;
    bool fixedWidthChecked = false;
    bool fitWidthChecked = false;
    bool fitWidthEnabled = false;
    bool hideChecked = false;
    bool topChecked = false;
    bool bottomChecked = false;

    friend bool operator==(const WindowBarMenuState&, const WindowBarMenuState&) = default;
};
WindowBarMenuState windowBarMenuState(const WindowBarOptions& options, bool barVisible);
