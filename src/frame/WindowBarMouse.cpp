#include "frame/WindowBarMouse.h"

#include "frame/WindowBarModel.h"

TabShowCommand tabShowCommand(bool activeChildMaximized) {
    return activeChildMaximized ? TabShowCommand::Maximized : TabShowCommand::Normal;
}

bool clickReactivatesCurrentTab(int hitIndex, int currentIndex) {
    return hitIndex >= 0 && hitIndex == currentIndex;
}

int tabClosedByDoubleClick(int hitIndex, bool allowDoubleClickClose) {
    return allowDoubleClickClose && hitIndex >= 0 ? hitIndex : -1;
}

int tabClosedByMiddleClick(int hitIndex, bool middleButtonCloseTab) {
    return middleButtonCloseTab && hitIndex >= 0 ? hitIndex : -1;
}

TabContextDecision tabRightClick(const WindowBarModel& model, int hitIndex) {
    TabContextDecision decision;
    decision.contextWindow = model.windowAt(hitIndex);
    if (decision.contextWindow) {
        decision.highlightIndex = hitIndex;
        decision.showMenu = true;
    }
    return decision;
}

QRect tabCloseButtonGeometry(const QRect& tabRect, const QSize& buttonSize) {
    const int pastRight = tabRect.x() + tabRect.width();
    return QRect(pastRight - 2 - buttonSize.width(), tabRect.y() + 2, buttonSize.width(),
                 buttonSize.height());
}
