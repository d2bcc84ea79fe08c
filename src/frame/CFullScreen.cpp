#include "frame/CFullScreen.h"

#include "framework/CommandIds.h"

#include <QWidget>

CFullScreen::CFullScreen(QWidget& frame) : m_frame(frame) {
    commands().on(cmd::FullScreen, [this] { Toggle(); });
    commands().onUpdate(cmd::FullScreen, [this](CommandState& state) { state.setCheck(m_on); });
}

void CFullScreen::Toggle() {
    if (m_on)
        leave();
    else
        enter();
}

void CFullScreen::enter() {
    m_wasMaximized = m_frame.isMaximized();
    m_normalGeometry = m_wasMaximized ? m_frame.normalGeometry() : m_frame.geometry();
    m_on = true;
    m_frame.showFullScreen();
}

// The normal rectangle is set again in both cases, so a maximised window
// later restored lands where it was before, too.
void CFullScreen::leave() {
    m_on = false;
    m_frame.showNormal();
    if (m_normalGeometry.isValid())
        m_frame.setGeometry(m_normalGeometry);
    if (m_wasMaximized)
        m_frame.showMaximized();
}
