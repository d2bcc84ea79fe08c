#pragma once

#include "framework/CommandTarget.h"

#include <QObject>

#include <vector>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

// Tells every browser window's view whether its page can be seen, so that
// pages hidden behind a maximised window, in a minimised window, or in a
// minimised or hidden main window are not drawn (see visiblePages).
//
// Watches the window area (activation, windows added and removed, their
// showing, state and stacking) and the main window (shown, hidden,
// minimised, restored). Changes within one turn of the event loop are
// judged once at its end, so a burst of windows opening costs one pass; a
// page that becomes visible is made visible at once, before the window
// shows on the screen, so the user never sees it blank.
//
// It handles no commands; the main frame holds it among its features, which
// go before the frame's windows. The main window and its window area must
// outlive it.
class CPageVisibility : public QObject, public CommandTarget {
public:
    CPageVisibility(QWidget& mainWindow, QMdiArea& area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The windows in stacking order, topmost first, and whether each page
    // can be seen.
    struct Judgement {
        std::vector<QMdiSubWindow*> windows;
        std::vector<bool> seen;
    };
    Judgement judge() const;
    // Judges every window and tells every view.
    void tellAll();
    // Makes visible at once the pages that can now be seen, and judges the
    // rest at the end of this turn of the event loop.
    void changed();
    // Judges every window at the end of this turn of the event loop.
    void schedule();
    void watch(QObject* window);

    QWidget& m_main;
    QMdiArea& m_area;
    bool m_pending = false;
};
