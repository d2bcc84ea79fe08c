#include "frame/CAlwaysOnTop.h"

#include "app/CAppSettings.h"
#include "framework/CommandIds.h"

#include <QWidget>
#include <QWindow>

CAlwaysOnTop::CAlwaysOnTop(QWidget& frame, CAppSettings& settings)
    : m_frame(frame), m_settings(settings) {
    commands().on(cmd::AlwaysOnTop, [this] {
        const bool topmost = m_settings.AlwaysOnTop == 0;
        SetTopmost(m_frame, topmost);
        m_settings.AlwaysOnTop = topmost ? 1 : 0;
    });
    commands().onUpdate(cmd::AlwaysOnTop, [this](CommandState& state) {
        state.setCheck(m_settings.AlwaysOnTop != 0);
    });
}

void CAlwaysOnTop::SetTopmost(QWidget& frame, bool topmost) {
    Qt::WindowFlags flags = frame.windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, topmost);
    if (flags == frame.windowFlags())
        return;
    QWindow* window = frame.windowHandle();
    if (!window) {
        frame.setWindowFlags(flags);
        return;
    }
    // Told to the window system directly: changing the widget's flags would
    // hide the window and make a new native one, which the pages' surfaces
    // must never see.
    frame.overrideWindowFlags(flags);
    window->setFlags(flags);
}
