#pragma once

#include "framework/CommandTarget.h"

#include <QRect>

class QWidget;

// Full screen (32797, F11): the main window covers the whole screen without
// its frame, its bars as they are. Leaving returns it exactly to the
// placement it had before: maximised, or normal at its old rectangle. Not
// kept between runs.
class CFullScreen : public CommandTarget {
public:
    explicit CFullScreen(QWidget& frame);

    bool IsOn() const { return m_on; }
    // The placement before entering (meaningful while IsOn): saved in place
    // of the full-screen one, so the next start opens as before.
    bool WasMaximized() const { return m_wasMaximized; }
    QRect NormalGeometry() const { return m_normalGeometry; }
    void Toggle();

private:
    void enter();
    void leave();

    QWidget& m_frame;
    bool m_on = false;
    // The placement before entering.
    bool m_wasMaximized = false;
    QRect m_normalGeometry;
};
