#pragma once

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QTimer>

namespace res {

// Plays the busy animation for one display: start() loops the frames
// endlessly, stop() halts and shows frame 0 again. Whoever shows the
// animation listens to frameChanged (or asks currentFrame()).
class BusyAnimationPlayer : public QObject {
    Q_OBJECT
public:
    BusyAnimationPlayer(QSize size, qreal devicePixelRatio, QObject* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_timer.isActive(); }
    int currentIndex() const { return m_index; }
    QPixmap currentFrame() const;

signals:
    void frameChanged(const QPixmap& frame);

private:
    void advance();

    QList<QPixmap> m_frames;
    QTimer m_timer;
    int m_index = 0;
};

} // namespace res
