#include "res/images/BusyAnimationPlayer.h"

#include "res/images/BusyAnimation.h"

namespace res {

BusyAnimationPlayer::BusyAnimationPlayer(QSize size, qreal devicePixelRatio, QObject* parent)
    : QObject(parent), m_frames(BusyAnimation::frames(size, devicePixelRatio)) {
    m_timer.setInterval(BusyAnimation::kFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyAnimationPlayer::advance);
}

void BusyAnimationPlayer::start() {
    if (m_frames.isEmpty() || m_timer.isActive())
        return;
    m_timer.start();
}

void BusyAnimationPlayer::stop() {
    m_timer.stop();
    if (m_index != 0) {
        m_index = 0;
        emit frameChanged(currentFrame());
    }
}

QPixmap BusyAnimationPlayer::currentFrame() const {
    return m_frames.isEmpty() ? QPixmap() : m_frames.at(m_index);
}

void BusyAnimationPlayer::advance() {
    m_index = (m_index + 1) % static_cast<int>(m_frames.size());
    emit frameChanged(currentFrame());
}

} // namespace res
