#include "frame/WindowBarHover.h"

bool WindowBarHover::mouseMoved() {
    if (timerRunning_)
        return false;
    timerRunning_ = true;
    return true;
}

bool WindowBarHover::timerFired(bool cursorInClientArea) {
    if (cursorInClientArea || !timerRunning_)
        return false;
    timerRunning_ = false;
    return true;
}

WindowBarHover::Change WindowBarHover::update(int hitIndex, int tabCount, bool displayCloseButton) {
    int index = hitIndex;
    if (!displayCloseButton || tabCount <= 0 || hitIndex < 0 || hitIndex >= tabCount)
        index = -1;
    Change change{index != index_, index_, index};
    index_ = index;
    return change;
}

int WindowBarHover::buttonClicked(int tabCount) const {
    return index_ >= 0 && index_ < tabCount ? index_ : -1;
}

WindowBarHover::Change WindowBarHover::reset() {
    timerRunning_ = false;
    Change change{index_ != -1, index_, -1};
    index_ = -1;
    return change;
}
