#include "frame/WindowBarTabRules.h"

#include <algorithm>

namespace {

// The first count UTF-16 units of text, one fewer when the last of them would
// be the first half of a surrogate pair.
QString leftWhole(const QString& text, int count) {
    if (text.size() <= count)
        return text;
    if (count > 0 && text.at(count - 1).isHighSurrogate())
        --count;
    return text.left(count);
}

} // namespace

QString tabDisplayText(const QString& text) {
    if (text.isEmpty())
        return text;
    QString shown = text;
    shown.replace(QStringLiteral("%20"), QStringLiteral(" "));
    if (shown.size() > kTabTextLimit)
        shown = leftWhole(shown, kTabTextKept) + QStringLiteral("...");
    return shown;
}

QString tabTooltipText(const QString& title) {
    return leftWhole(title, kTabTooltipBuffer - 1);
}

int pageLoadPercent(std::int64_t progress, std::int64_t max) {
    if (max <= 0 || progress >= max || progress < 0)
        return 100;
    // 0 <= progress < max: the quotient is below 100. The product needs more
    // than 64 bits when progress is beyond 2^63 / 100.
    __extension__ using Wide = unsigned __int128;
    const Wide scaled = static_cast<Wide>(progress) * 100u;
    return static_cast<int>(scaled / static_cast<Wide>(max));
}

bool isTabPercent(int percent) {
    return percent >= kTabNoProgress && percent <= 100;
}

int tabShownPercent(int percent, bool isCurrentTab, bool busy) {
    if (isCurrentTab && (percent == 100 || percent == kTabNoProgress))
        return busy ? 100 : kTabNoProgress;
    return percent;
}

int tabProgressImage(int percent, bool locked) {
    const int lock = locked ? kTabLockOffset : 0;
    if (percent <= kTabNoProgress)
        return kTabRestImage + lock;
    const int clamped = std::min(percent, 100);
    return clamped * (kTabProgressSteps - 1) / 100 + lock;
}

int tabLockMarkImage(int image, bool locked) {
    if (locked && image < kTabLockOffset)
        return image + kTabLockOffset;
    if (!locked && image > kTabRestImage)
        return image - kTabLockOffset;
    return image;
}

bool isLockedTabImage(int image) {
    return image >= kTabLockOffset && image < kTabImageCount;
}
