#include "res/images/BasicGlyphs.h"

#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <cmath>

namespace res::glyph {

QRectF cells(const QRect& box) {
    return QRectF(box.x() + 0.5, box.y() + 0.5, box.width() - 1.0, box.height() - 1.0);
}

void outlined(QPainter& p, const QPainterPath& path, const Tone& tone, qreal lineWidth) {
    p.save();
    p.setPen(QPen(tone.line, lineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(tone.fill);
    p.drawPath(path);
    p.restore();
}

void band(QPainter& p, const QPainterPath& path, const Tone& tone, qreal width,
          Qt::PenCapStyle cap) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.strokePath(path, QPen(tone.line, width + 2.0, Qt::SolidLine, cap, Qt::RoundJoin));
    p.strokePath(path, QPen(tone.fill, width, Qt::SolidLine, cap, Qt::RoundJoin));
    p.restore();
}

void clearHalo(QPainter& p, const QPainterPath& shape, qreal margin) {
    QPainterPathStroker stroker;
    stroker.setWidth(margin * 2.0);
    stroker.setJoinStyle(Qt::RoundJoin);
    const QPainterPath area = stroker.createStroke(shape).united(shape);
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.fillPath(area, Qt::black);
    p.restore();
}

QPainterPath circlePath(QPointF centre, qreal radius) {
    QPainterPath path;
    path.addEllipse(centre, radius, radius);
    return path;
}

void page(QPainter& p, const QRect& box, bool textLines) {
    const QRectF r = cells(box);
    const qreal fold = std::max(3.0, std::floor(box.width() / 3.0));
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right() - fold, r.top());
    body.lineTo(r.right(), r.top() + fold);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();
    outlined(p, body, tone::paper());

    QPainterPath ear;
    ear.moveTo(r.right() - fold, r.top());
    ear.lineTo(r.right() - fold, r.top() + fold);
    ear.lineTo(r.right(), r.top() + fold);
    ear.closeSubpath();
    outlined(p, ear, tone::paperShade());

    if (!textLines)
        return;
    p.save();
    p.setPen(QPen(colour::textLine(), 1.0, Qt::SolidLine, Qt::FlatCap));
    const qreal left = box.x() + 2.0;
    for (qreal y = r.top() + fold + 2.0; y <= r.bottom() - 2.0; y += 2.0) {
        const qreal right = (y < r.top() + fold + 1.0) ? r.right() - fold : box.right() - 1.0;
        p.drawLine(QPointF(left, y), QPointF(right, y));
    }
    p.restore();
}

void window(QPainter& p, const QRect& box, const Tone& title) {
    QPainterPath frame;
    frame.addRect(cells(box));
    outlined(p, frame, {colour::white(), title.line});
    const int bandHeight = box.height() >= 10 ? 3 : 2;
    p.fillRect(QRectF(box.x() + 1, box.y() + 1, box.width() - 2, bandHeight), title.fill);
}

void folder(QPainter& p, const QRect& box, bool open) {
    const QRectF r = cells(box);
    const qreal tab = std::round(box.width() * 0.4);
    const qreal backRight = open ? r.right() - 1.0 : r.right();
    QPainterPath back;
    back.moveTo(r.left(), r.bottom());
    back.lineTo(r.left(), r.top());
    back.lineTo(r.left() + tab, r.top());
    back.lineTo(r.left() + tab + 2.0, r.top() + 2.0);
    back.lineTo(backRight, r.top() + 2.0);
    back.lineTo(backRight, r.bottom());
    back.closeSubpath();
    outlined(p, back, tone::folderBack());

    QPainterPath front;
    const qreal frontTop = r.top() + std::max(3.0, std::round(r.height() * 0.35));
    if (open) {
        front.moveTo(r.left(), r.bottom());
        front.lineTo(r.left() + 2.5, frontTop);
        front.lineTo(r.right(), frontTop);
        front.lineTo(r.right() - 2.5, r.bottom());
    } else {
        front.moveTo(r.left(), r.bottom());
        front.lineTo(r.left(), frontTop);
        front.lineTo(r.right(), frontTop);
        front.lineTo(r.right(), r.bottom());
    }
    front.closeSubpath();
    outlined(p, front, tone::folderFront());
}

void globe(QPainter& p, QPointF centre, qreal radius, const Tone& tone) {
    const QPainterPath disc = circlePath(centre, radius);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(tone.fill);
    p.drawPath(disc);
    p.setClipPath(disc);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 190), radius >= 6.0 ? 1.0 : 0.9));
    p.drawEllipse(centre, radius * 0.42, radius);
    p.drawLine(QPointF(centre.x() - radius, centre.y()), QPointF(centre.x() + radius, centre.y()));
    if (radius >= 6.0) {
        const qreal dy = radius * 0.5;
        p.drawLine(QPointF(centre.x() - radius, centre.y() - dy),
                   QPointF(centre.x() + radius, centre.y() - dy));
        p.drawLine(QPointF(centre.x() - radius, centre.y() + dy),
                   QPointF(centre.x() + radius, centre.y() + dy));
    }
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tone.line, 1.0));
    p.drawPath(disc);
    p.restore();
}

void disc(QPainter& p, QPointF centre, qreal radius, const Tone& tone) {
    outlined(p, circlePath(centre, radius), tone);
}

namespace {

// The arrow pointing right inside the unit square, turned to the direction
// and stretched over box.
QPainterPath arrowPath(const QRectF& box, Qt::ArrowType direction) {
    QPainterPath unit;
    unit.moveTo(0.0, 0.33);
    unit.lineTo(0.48, 0.33);
    unit.lineTo(0.48, 0.0);
    unit.lineTo(1.0, 0.5);
    unit.lineTo(0.48, 1.0);
    unit.lineTo(0.48, 0.67);
    unit.lineTo(0.0, 0.67);
    unit.closeSubpath();
    qreal angle = 0.0;
    switch (direction) {
    case Qt::LeftArrow:
        angle = 180.0;
        break;
    case Qt::UpArrow:
        angle = -90.0;
        break;
    case Qt::DownArrow:
        angle = 90.0;
        break;
    default:
        break;
    }
    QTransform turn;
    turn.translate(0.5, 0.5);
    turn.rotate(angle);
    turn.translate(-0.5, -0.5);
    QTransform place;
    place.translate(box.x(), box.y());
    place.scale(box.width(), box.height());
    return (turn * place).map(unit);
}

} // namespace

void blockArrow(QPainter& p, const QRectF& box, Qt::ArrowType direction, const QColor& colour) {
    p.fillPath(arrowPath(box, direction), colour);
}

void blockArrow(QPainter& p, const QRectF& box, Qt::ArrowType direction, const Tone& tone) {
    outlined(p, arrowPath(box, direction), tone);
}

void cross(QPainter& p, QPointF centre, qreal half, const QColor& colour, qreal width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre + QPointF(-half, -half), centre + QPointF(half, half));
    p.drawLine(centre + QPointF(-half, half), centre + QPointF(half, -half));
    p.restore();
}

void plus(QPainter& p, QPointF centre, qreal half, const QColor& colour, qreal width) {
    p.save();
    p.setPen(QPen(colour, width, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(centre + QPointF(-half, 0.0), centre + QPointF(half, 0.0));
    p.drawLine(centre + QPointF(0.0, -half), centre + QPointF(0.0, half));
    p.restore();
}

void crossBadge(QPainter& p, QPointF centre, qreal radius) {
    clearHalo(p, circlePath(centre, radius), 1.0);
    disc(p, centre, radius, tone::red());
    cross(p, centre, radius * 0.42, colour::white(), radius >= 4.0 ? 1.5 : 1.2);
}

void plusBadge(QPainter& p, QPointF centre, qreal radius) {
    clearHalo(p, circlePath(centre, radius), 1.0);
    disc(p, centre, radius, tone::green());
    plus(p, centre, radius * 0.58, colour::white(), radius >= 4.0 ? 1.6 : 1.3);
}

void arrowBadge(QPainter& p, QPointF centre, qreal radius, Qt::ArrowType direction) {
    clearHalo(p, circlePath(centre, radius), 1.0);
    disc(p, centre, radius, tone::blue());
    const qreal s = radius * 1.25;
    blockArrow(p, QRectF(centre.x() - s / 2.0, centre.y() - s / 2.0, s, s), direction,
               colour::white());
}

} // namespace res::glyph
