#pragma once

#include <Qt>

// Shows the wait cursor over the whole application for the lifetime of the
// object (one operation). Nestable: the cursor returns to what it was when
// the outermost one ends. Does nothing when there is no GUI application.
class WaitCursor {
public:
    // Qt::BusyCursor gives the working-in-background arrow.
    explicit WaitCursor(Qt::CursorShape shape = Qt::WaitCursor);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

    // Number of wait cursors alive.
    static int depth();

private:
    bool m_active;
};
