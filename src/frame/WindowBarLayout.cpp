#include "frame/WindowBarLayout.h"

#include "app/CAppSettings.h"

#include <algorithm>
#include <cstdint>

WindowBarOptions WindowBarOptions::fromSettings(const CAppSettings& settings) {
    WindowBarOptions options;
    options.tabPosition = settings.TabPosition;
    options.singleLine = settings.UseSingleLineTabs != 0;
    options.flat = settings.UseFlatTab != 0;
    options.fixedWidth = settings.UseFixedWidthTab != 0;
    options.tabWidth = settings.TabWidth();
    options.fixedWidthType = settings.FixedTabWidthType;
    options.closeButton = settings.DisplayTabCloseButton != 0;
    options.doubleClickClose = settings.AllowDoubleClickClose != 0;
    options.middleClickClose = settings.MButtonCloseTab != 0;
    return options;
}

void WindowBarOptions::storeStyle(CAppSettings& settings) const {
    settings.UseSingleLineTabs = singleLine ? 1 : 0;
    settings.UseFixedWidthTab = fixedWidth ? 1 : 0;
    settings.FixedTabWidthType = fixedWidthType;
}

int windowBarBandHeight(int rows, std::optional<int> firstTabHeight) {
    const int rowCount = std::max(rows, 1);
    const int rowHeight = firstTabHeight.value_or(kEmptyTabRowHeight);
    return (rowHeight + 3) * rowCount - 2;
}

std::optional<QSize> fittedTabSize(int clientWidth, int count, int tabWidth) {
    if (count <= 0)
        return std::nullopt;
    // 64-bit: ten pixels per tab can exceed an int for absurd counts.
    const std::int64_t n = count;
    const std::int64_t w = (std::int64_t{clientWidth} - 10 * n - 20) / n;
    const int width =
        w > 4 ? static_cast<int>(std::min<std::int64_t>(tabWidth, w)) : kNarrowestFittedTab;
    return QSize(width, kTabItemHeight);
}

QSize fixedTabSize(int tabWidth) {
    return QSize(tabWidth, kTabItemHeight);
}

bool fitsWidthOnRelayout(const WindowBarOptions& options) {
    return options.fixedWidth && options.fixedWidthType == 1;
}

bool fitsWidthOnFrameResize(const WindowBarOptions& options) {
    return options.singleLine && options.fixedWidthType == 1;
}

WindowBarStyle windowBarStyle(const WindowBarOptions& options) {
    WindowBarStyle style;
    style.flat = options.flat;
    style.fixedWidth = options.fixedWidth;
    style.multiRow = !options.singleLine;
    if (options.fixedWidth) {
        style.fitWidth = options.fixedWidthType == 1;
        if (!style.fitWidth)
            style.itemSize = fixedTabSize(options.tabWidth);
    }
    return style;
}

void toggleSingleLineTabs(WindowBarOptions& options) {
    options.singleLine = !options.singleLine;
    if (!options.singleLine)
        options.fixedWidthType = 0;
}

void toggleFixedWidthTabs(WindowBarOptions& options) {
    options.fixedWidth = !options.fixedWidth;
    if (options.fixedWidth && !options.singleLine)
        options.fixedWidthType = 0;
}

void toggleFitWidthTabs(WindowBarOptions& options) {
    options.singleLine = true;
    options.fixedWidth = true;
    options.fixedWidthType = options.fixedWidthType == 1 ? 0 : 1;
}

WindowBarMenuState windowBarMenuState(const WindowBarOptions& options, bool barVisible) {
    WindowBarMenuState state;
    state.singleLineChecked = options.singleLine;
    state.fixedWidthChecked = options.fixedWidth;
    state.fitWidthChecked = options.singleLine && options.fixedWidthType == 1;
    state.fitWidthEnabled = options.singleLine && options.fixedWidth;
    state.hideChecked = !barVisible;
    state.topChecked = barVisible && options.tabPosition == 1;
    state.bottomChecked = barVisible && options.tabPosition == 2;
    return state;
}
