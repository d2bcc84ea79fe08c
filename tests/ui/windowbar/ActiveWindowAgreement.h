#pragma once

#include "browser/CBrowserView.h"
#include "frame/CChildFrame.h"
#include "frame/CMainFrame.h"
#include "frame/FrameCaption.h"
#include "frame/WindowBarModel.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMdiArea>

// Whether the window bar, the window area, the address bar and the caption
// name the same active browser window (or all none): the current tab is the
// active window's, the caption is built from that window's title, the
// address box shows its address (once it has one), and a maximised active
// window fills the area.
inline ::testing::AssertionResult ActiveWindowAgrees(CMainFrame& frame) {
    CChildFrame* child = frame.ActiveChildFrame();
    CBrowserView* active = child ? child->View() : nullptr;
    const WindowBarModel& tabs = frame.WindowBarTabs();
    const auto describe = [&] {
        return QStringLiteral(" (tabs \"%1\", caption \"%2\", address \"%3\")")
            .arg(tabs.describe(), frame.windowTitle(),
                 frame.AddressBox()->currentText())
            .toStdString();
    };
    if (tabs.currentWindow() != static_cast<TabWindow>(active))
        return ::testing::AssertionFailure()
               << "the current tab is not the active window's" << describe();
    const QString caption = FrameCaption::compose(frame.BaseTitle(), child != nullptr,
                                                  child ? child->windowTitle() : QString(),
                                                  child && child->isMaximized());
    if (frame.windowTitle() != caption)
        return ::testing::AssertionFailure()
               << "the caption should be \"" << caption.toStdString() << "\"" << describe();
    if (!active)
        return ::testing::AssertionSuccess();
    if (child->isHidden())
        return ::testing::AssertionFailure() << "the active window is hidden" << describe();
    if (!active->CurrentUrl().isEmpty() &&
        frame.AddressBox()->currentText() != active->CurrentUrl())
        return ::testing::AssertionFailure()
               << "the address box should show " << active->CurrentUrl().toStdString()
               << describe();
    if (child->isMaximized() && child->geometry() != frame.MdiArea()->viewport()->rect())
        return ::testing::AssertionFailure() << "the maximised window does not fill the area";
    return ::testing::AssertionSuccess();
}
