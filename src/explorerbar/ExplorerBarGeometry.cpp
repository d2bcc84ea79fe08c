#include "explorerbar/ExplorerBarGeometry.h"

namespace explorerbar {

int OpeningWidth(int storedWidth, int clientWidth) {
    if (storedWidth < kMinimumWidth)
        return kMinimumWidth;
    if (storedWidth > clientWidth - kRightMargin)
        return clientWidth - kRightMargin;
    return storedWidth;
}

bool DragResizes(int x, int clientWidth) {
    return x > kMinimumWidth && x < clientWidth - kRightMargin;
}

ShowAction ActionForShow(bool barOpen, int currentPane, int requestedPane) {
    if (!barOpen)
        return ShowAction::Open;
    return currentPane == requestedPane ? ShowAction::Close : ShowAction::Switch;
}

} // namespace explorerbar
