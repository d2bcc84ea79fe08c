#include "res/images/BusyAnimation.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"

#include <QTransform>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace res {

namespace {

constexpr qreal kTilt = -14.0;     // degrees the orbit is turned
constexpr qreal kStartAngle = 0.5; // radians: frame 0 has the light front right
constexpr int kTrail = 4;

struct Orbit {
    QPointF centre;
    qreal rx;
    qreal ry;
    QTransform turn;

    QPointF at(qreal angle) const {
        return turn.map(QPointF(rx * std::cos(angle), ry * std::sin(angle))) + centre;
    }
    // Points with a positive sine lie on the near half, in front of the globe.
    static bool inFront(qreal angle) { return std::sin(angle) > 0.0; }
};

void drawOrbitHalf(QPainter& p, const Orbit& orbit, bool front) {
    QPainterPath path;
    const int steps = 48;
    bool started = false;
    for (int i = 0; i <= steps; ++i) {
        const qreal a = (front ? 0.0 : M_PI) + M_PI * i / steps;
        const QPointF pt = orbit.at(a);
        if (!started) {
            path.moveTo(pt);
            started = true;
        } else {
            path.lineTo(pt);
        }
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(245, 158, 11, front ? 200 : 110), 1.0, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(path);
}

void drawLights(QPainter& p, const Orbit& orbit, qreal head, bool front, qreal size) {
    for (int k = kTrail - 1; k >= 0; --k) {
        const qreal a = head - k * 0.32;
        if (Orbit::inFront(a) != front)
            continue;
        const qreal r = size * (1.0 - k * 0.17);
        QColor c = k == 0 ? QColor(0xF97316) : QColor(0xFBBF24);
        c.setAlpha(255 - k * 50);
        p.setPen(k == 0 ? QPen(QColor(0xC2410C), 0.8) : QPen(Qt::NoPen));
        p.setBrush(c);
        p.drawEllipse(orbit.at(a), r, r);
    }
}

} // namespace

QPixmap BusyAnimation::frame(int index, QSize size, qreal devicePixelRatio) {
    if (size.width() < 8 || size.height() < 8)
        return {};
    const int step = ((index % kFrameCount) + kFrameCount) % kFrameCount;
    Canvas canvas(size, devicePixelRatio);
    QPainter& p = canvas.painter();

    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    const qreal globeRadius = std::min(size.height() / 2.0 - 2.0, size.width() / 5.0);
    Orbit orbit{centre, std::min(size.width() / 2.0 - 2.0, globeRadius * 2.3), globeRadius * 0.6,
                QTransform().rotate(kTilt)};
    const qreal head = kStartAngle + 2.0 * M_PI * step / kFrameCount;
    const qreal lightSize = std::max(1.3, globeRadius * 0.3);

    drawOrbitHalf(p, orbit, false);
    drawLights(p, orbit, head, false, lightSize);
    glyph::globe(p, centre, globeRadius, tone::blue());
    drawOrbitHalf(p, orbit, true);
    drawLights(p, orbit, head, true, lightSize);
    return canvas.takePixmap();
}

QList<QPixmap> BusyAnimation::frames(QSize size, qreal devicePixelRatio) {
    QList<QPixmap> result;
    if (size.width() < 8 || size.height() < 8)
        return result;
    result.reserve(kFrameCount);
    for (int i = 0; i < kFrameCount; ++i)
        result << frame(i, size, devicePixelRatio);
    return result;
}

} // namespace res
