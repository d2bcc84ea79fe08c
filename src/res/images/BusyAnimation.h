#pragma once

#include <QList>
#include <QPixmap>
#include <QSize>

namespace res {

// The busy animation: a globe with a light orbiting it, kFrameCount frames
// shown kFrameIntervalMs apart in an endless loop. Frame 0 is also the
// picture at rest. Frames can be drawn at any size; the two the main window
// uses are the animation control's (30 x 16) and its band's (32 x 18).
class BusyAnimation {
public:
    static constexpr QSize kControlSize{30, 16};
    static constexpr QSize kBandSize{32, 18};
    static constexpr int kFrameCount = 24;
    static constexpr int kFrameIntervalMs = 50;

    // Frame index (taken modulo kFrameCount, negative counts back) of the
    // given logical size at the device pixel ratio (1..4). A size below 8 x 8
    // gives a null pixmap.
    static QPixmap frame(int index, QSize size = kControlSize, qreal devicePixelRatio = 1.0);
    // All frames in order; empty for a size below 8 x 8.
    static QList<QPixmap> frames(QSize size = kControlSize, qreal devicePixelRatio = 1.0);
};

} // namespace res
