#include "res/images/BusyAnimationPlayer.h"

#include "res/images/BusyAnimation.h"

#include <QCoreApplication>
#include <QEvent>

#include <algorithm>

namespace res {

namespace {

QEvent::Type shownEventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

BusyAnimationPlayer::BusyAnimationPlayer(QSize size, qreal devicePixelRatio, QObject* parent)
    : QObject(parent), m_size(size), m_ratio(devicePixelRatio) {
    // Only the picture at rest is drawn now; each moving frame is drawn when
    // it is first shown, so neither the program's start nor the start of a
    // page's loading waits for all of them.
    const QPixmap rest = BusyAnimation::frame(0, size, devicePixelRatio);
    if (!rest.isNull()) {
        m_frames.resize(BusyAnimation::kFrameCount);
        m_frames[0] = rest;
    }
    m_timer.setSingleShot(true);
    m_timer.setInterval(BusyAnimation::kFrameIntervalMs);
    connect(&m_timer, &QTimer::timeout, this, &BusyAnimationPlayer::advance);
}

void BusyAnimationPlayer::start() {
    if (m_frames.isEmpty() || m_running)
        return;
    m_running = true;
    m_timer.start(BusyAnimation::kFrameIntervalMs);
}

void BusyAnimationPlayer::stop() {
    m_running = false;
    m_timer.stop();
    if (m_index != 0) {
        m_index = 0;
        emit frameChanged(currentFrame());
    }
}

QPixmap BusyAnimationPlayer::currentFrame() const {
    if (m_frames.isEmpty())
        return QPixmap();
    QPixmap& frame = m_frames[m_index];
    if (frame.isNull())
        frame = BusyAnimation::frame(m_index, m_size, m_ratio);
    return frame;
}

void BusyAnimationPlayer::advance() {
    if (!m_running)
        return;
    m_frameCost.start();
    m_index = (m_index + 1) % static_cast<int>(m_frames.size());
    emit frameChanged(currentFrame());
    // Widgets ask for painting with events of low priority; a marker of the
    // same priority queued behind them arrives once the frame is on the
    // screen.
    QCoreApplication::postEvent(this, new QEvent(shownEventType()), Qt::LowEventPriority);
}

bool BusyAnimationPlayer::event(QEvent* event) {
    if (event->type() != shownEventType())
        return QObject::event(event);
    frameShown();
    return true;
}

void BusyAnimationPlayer::frameShown() {
    if (!m_running || m_timer.isActive())
        return;
    const qint64 cost = m_frameCost.elapsed();
    const qint64 wait = std::clamp<qint64>(kYieldFactor * cost, BusyAnimation::kFrameIntervalMs,
                                           kMaxFrameWaitMs);
    m_timer.start(static_cast<int>(wait));
}

} // namespace res
