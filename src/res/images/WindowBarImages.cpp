#include "res/images/WindowBarImages.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"
#include "res/images/ObjectGlyphs.h"

namespace res {

namespace {

constexpr QPointF kCentre(8.0, 8.0);
constexpr qreal kOuter = 7.5;
constexpr qreal kInner = 4.2;

QPainterPath ring(qreal startDeg, qreal sweepDeg) {
    const QRectF outer(kCentre.x() - kOuter, kCentre.y() - kOuter, kOuter * 2, kOuter * 2);
    const QRectF inner(kCentre.x() - kInner, kCentre.y() - kInner, kInner * 2, kInner * 2);
    QPainterPath path;
    path.arcMoveTo(outer, startDeg);
    path.arcTo(outer, startDeg, sweepDeg);
    path.arcTo(inner, startDeg + sweepDeg, -sweepDeg);
    path.closeSubpath();
    return path;
}

// Loading step 0..8: a ring that fills clockwise from twelve o'clock. The
// hole in the middle stays free for the lock of locked windows.
void gauge(QPainter& p, int step) {
    const qreal fraction = (step + 1.0) / WindowBarImages::kProgressSteps;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xCBD5E1));
    p.drawPath(ring(0.0, 360.0));
    p.setBrush(QColor(0x2563EB));
    p.drawPath(ring(90.0, -360.0 * fraction));
    p.restore();
}

// The lock of a locked window: inside the ring of a loading window, in the
// lower right corner of the page of a window at rest.
void lockMark(QPainter& p, bool atRest) {
    if (!atRest) {
        glyph::padlock(p, QRect(5, 5, 6, 7));
        return;
    }
    const QRect box(8, 6, 8, 10);
    QPainterPath area;
    area.addRect(QRectF(box));
    glyph::clearHalo(p, area, 0.5);
    glyph::padlock(p, box);
}

} // namespace

QPixmap WindowBarImages::image(int index, qreal devicePixelRatio) {
    if (index < 0 || index >= kCount)
        return {};
    Canvas canvas(QSize(kSize, kSize), devicePixelRatio);
    QPainter& p = canvas.painter();
    const int base = index % kLockOffset;
    if (base == kRestImage)
        glyph::page(p, QRect(2, 1, 12, 15));
    else
        gauge(p, base);
    if (index >= kLockOffset)
        lockMark(p, base == kRestImage);
    return canvas.takePixmap();
}

QIcon WindowBarImages::icon(int index) {
    if (index < 0 || index >= kCount)
        return {};
    return Canvas::iconAtRatios([index](qreal ratio) { return image(index, ratio); });
}

} // namespace res
