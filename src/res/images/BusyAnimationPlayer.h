#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QSize>
#include <QTimer>

namespace res {

// Plays the busy animation for one display: start() loops the frames
// endlessly, stop() halts and shows frame 0 again. Whoever shows the
// animation listens to frameChanged (or asks currentFrame()).
// The animation yields to the rest of the program: the next frame waits
// the frame interval and at least kYieldFactor times as long as the last
// frame took to be shown (at most kMaxFrameWaitMs) (the handlers of frameChanged and the events
// queued before the frame, such as painting it). When drawing the window
// is dear (many page views to compose), the animation slows down instead
// of keeping the event loop busy with nothing but its own frames.
class BusyAnimationPlayer : public QObject {
    Q_OBJECT
public:
    BusyAnimationPlayer(QSize size, qreal devicePixelRatio, QObject* parent = nullptr);

    // Idle time left to other work for each unit of time a frame costs.
    static constexpr int kYieldFactor = 3;
    // Longest pause between frames: one slow moment (a dialog, a long
    // operation) does not freeze the animation for long after it.
    static constexpr int kMaxFrameWaitMs = 1000;

    void start();
    void stop();
    bool isRunning() const { return m_running; }
    int currentIndex() const { return m_index; }
    QPixmap currentFrame() const;

signals:
    void frameChanged(const QPixmap& frame);

protected:
    bool event(QEvent* event) override;

private:
    void advance();
    void frameShown();

    QSize m_size;
    qreal m_ratio;
    // kFrameCount frames, each null until first shown (none for a size too
    // small to draw).
    mutable QList<QPixmap> m_frames;
    QTimer m_timer;
    int m_index = 0;
    bool m_running = false;
    // Runs from a frame's change until the event loop has shown it.
    QElapsedTimer m_frameCost;
};

} // namespace res
