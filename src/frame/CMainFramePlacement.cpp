// The main frame's placement on the screen: the saved placement applied at
// start, and the current one as it is saved at exit.
#include "frame/CMainFrame.h"

#include "app/SettingsPaths.h"
#include "frame/CFullScreen.h"
#include "frame/WindowPlacement.h"
#include "platform/registry/RegKey.h"

#include <QRect>

namespace {

platform::RegKey settingsKey() {
    return platform::RegKey::create(platform::RegRoot::CurrentUser,
                                    QString::fromUtf16(kSettingsKeyPath));
}

} // namespace

std::uint32_t CMainFrame::ApplyPlacement(const WindowPlacement& saved) {
    const std::optional<RestoredPlacement> plan = planRestoredPlacement(saved);
    if (!plan)
        return kShowNormal;
    if (plan->moveTo) {
        const PlacementRect& r = *plan->moveTo;
        setGeometry(
            QRect(r.left, r.top, static_cast<int>(r.width()), static_cast<int>(r.height())));
    }
    return plan->showCmd;
}

std::uint32_t CMainFrame::RestorePlacement() {
    const std::optional<WindowPlacement> saved = readMainFramePosition(settingsKey());
    return saved ? ApplyPlacement(*saved) : kShowNormal;
}

void CMainFrame::ShowWithCommand(std::uint32_t showCmd) {
    switch (showCmd) {
    case kShowMaximized:
        showMaximized();
        break;
    case kShowMinimized:
    case kShowMinimize:
    case kShowMinNoActivate:
    case kShowForceMinimize:
        showMinimized();
        break;
    case kShowHide:
        break;
    default:
        show();
        break;
    }
}

WindowPlacement CMainFrame::CurrentPlacement() const {
    WindowPlacement placement;
    placement.showCmd = isMinimized()   ? kShowMinimized
                        : isMaximized() ? kShowMaximized
                                        : kShowNormal;
    placement.minPosition = {-1, -1};
    placement.maxPosition = {-1, -1};
    QRect normal =
        (isMinimized() || isMaximized() || isFullScreen()) ? normalGeometry() : geometry();
    if (m_fullScreen && m_fullScreen->IsOn()) {
        // Full screen is not kept between runs: the placement before it is.
        placement.showCmd = m_fullScreen->WasMaximized() ? kShowMaximized : kShowNormal;
        normal = m_fullScreen->NormalGeometry();
    }
    if (!normal.isValid())
        normal = geometry();
    placement.normalPosition = {normal.left(), normal.top(), normal.left() + normal.width(),
                                normal.top() + normal.height()};
    return placement;
}
