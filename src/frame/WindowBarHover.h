#pragma once

// The window bar's close button state: which tab carries the button
// (HoverIndex) and whether the hover timer runs. The widget feeds it mouse
// moves, timer ticks and button clicks and carries out what it answers:
// start or stop the timer (100 ms), move the button onto a tab or hide it.
class WindowBarHover {
public:
    static constexpr int kTimerId = 0;
    static constexpr int kTimerInterval = 100; // ms

    // A change of the tab that carries the button.
    struct Change {
        bool changed = false;
        int previous = -1; // the tab that carried it before (-1: hidden)
        int index = -1;    // the tab that carries it now (-1: hide it)
    };

    int index() const { return index_; }
    bool timerRunning() const { return timerRunning_; }

    // The mouse moved over the bar. True when the hover timer must be
    // started (it was not running). The caller then calls update.
    bool mouseMoved();
    // The hover timer fired. True when the timer must be stopped because the
    // cursor has left the bar's client area. The caller then calls update.
    bool timerFired(bool cursorInClientArea);
    // Puts the button on the tab under the cursor (hitIndex, -1 for none);
    // no tab carries it without displayCloseButton or without tabs.
    Change update(int hitIndex, int tabCount, bool displayCloseButton);
    // The button was clicked: the tab whose window closes, -1 when the button
    // sits on no tab (any more). The caller then calls update.
    int buttonClicked(int tabCount) const;
    // The cursor left the bar: no tab carries the button, the timer is off.
    Change reset();

private:
    int index_ = -1;
    bool timerRunning_ = false;
};
