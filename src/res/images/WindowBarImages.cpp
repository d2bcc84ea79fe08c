#include "res/images/WindowBarImages.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"
#include "res/images/ObjectGlyphs.h"

namespace res {

namespace {

// Loading step 0..8: a pie that grows clockwise from twelve o'clock.
void gauge(QPainter& p, int step) {
    const QPointF centre(8.0, 8.0);
    const qreal radius = 6.5;
    glyph::disc(p, centre, radius, {QColor(0xE2E8F0), QColor(0x94A3B8)});
    const qreal fraction = (step + 1.0) / WindowBarImages::kProgressSteps;
    const QRectF circle(centre.x() - radius, centre.y() - radius, radius * 2.0, radius * 2.0);
    QPainterPath pie;
    pie.moveTo(centre);
    pie.arcTo(circle, 90.0, -360.0 * fraction);
    pie.closeSubpath();
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(tone::blue().fill);
    p.drawPath(pie);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tone::blue().line, 1.0));
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

void lockMark(QPainter& p) {
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
        lockMark(p);
    return canvas.takePixmap();
}

QIcon WindowBarImages::icon(int index) {
    if (index < 0 || index >= kCount)
        return {};
    QIcon result;
    result.addPixmap(image(index, 1.0));
    result.addPixmap(image(index, 2.0));
    return result;
}

} // namespace res
