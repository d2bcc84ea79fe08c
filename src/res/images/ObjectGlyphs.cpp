#include "res/images/ObjectGlyphs.h"

#include "res/images/BasicGlyphs.h"

#include <QPainterPath>
#include <QtMath>

#include <cmath>

namespace res::glyph {

namespace {

QPointF polar(QPointF centre, qreal radius, qreal degrees) {
    const qreal a = qDegreesToRadians(degrees);
    return centre + QPointF(radius * std::cos(a), -radius * std::sin(a));
}

// An arc drawn as an edged band plus an outlined head at its end. The arc
// runs from startDeg over sweepDeg (counter-clockwise positive, as QPainter
// counts); the head points along the direction of travel.
void curvedArrow(QPainter& p, QPointF centre, qreal radius, qreal width, const Tone& tone,
                 qreal startDeg, qreal sweepDeg) {
    const QRectF circle(centre.x() - radius, centre.y() - radius, radius * 2.0, radius * 2.0);
    QPainterPath arc;
    arc.arcMoveTo(circle, startDeg);
    arc.arcTo(circle, startDeg, sweepDeg);
    band(p, arc, tone, width);

    const qreal endDeg = startDeg + sweepDeg;
    const qreal a = qDegreesToRadians(endDeg);
    const QPointF end = polar(centre, radius, endDeg);
    // Direction of travel along the circle on screen (y grows downwards).
    const qreal sign = sweepDeg < 0 ? 1.0 : -1.0;
    const QPointF dir(sign * std::sin(a), sign * std::cos(a));
    const QPointF across(-dir.y(), dir.x());
    const qreal half = width * 1.35 + 0.6;
    QPainterPath head;
    head.moveTo(end + dir * (half * 1.25));
    head.lineTo(end + across * half - dir * 0.3);
    head.lineTo(end - across * half - dir * 0.3);
    head.closeSubpath();
    outlined(p, head, tone);
}

} // namespace

void star(QPainter& p, QPointF centre, qreal radius, const Tone& tone) {
    QPainterPath path;
    for (int i = 0; i < 10; ++i) {
        const qreal r = (i % 2 == 0) ? radius : radius * 0.46;
        const QPointF pt = polar(centre, r, 90.0 + i * 36.0);
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    outlined(p, path, tone);
}

void clock(QPainter& p, QPointF centre, qreal radius, const Tone& rim) {
    disc(p, centre, radius, rim);
    const qreal rimWidth = radius >= 6.0 ? 1.6 : 1.2;
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(colour::white());
    p.drawEllipse(centre, radius - rimWidth, radius - rimWidth);
    p.setPen(QPen(colour::ink(), radius >= 6.0 ? 1.3 : 1.1, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(centre, centre + QPointF(0.0, -(radius - rimWidth - 1.2)));
    p.drawLine(centre, centre + QPointF(radius * 0.45, radius * 0.05));
    p.restore();
}

void gear(QPainter& p, QPointF centre, qreal radius, const Tone& tone, int teeth) {
    const qreal inner = radius * 0.74;
    const qreal step = 360.0 / teeth;
    QPainterPath path;
    for (int i = 0; i < teeth; ++i) {
        const qreal base = 90.0 + i * step;
        const QPointF a = polar(centre, inner, base - step * 0.32);
        if (i == 0)
            path.moveTo(a);
        else
            path.lineTo(a);
        path.lineTo(polar(centre, radius, base - step * 0.18));
        path.lineTo(polar(centre, radius, base + step * 0.18));
        path.lineTo(polar(centre, inner, base + step * 0.32));
    }
    path.closeSubpath();
    path.addEllipse(centre, radius * 0.3, radius * 0.3);
    path.setFillRule(Qt::OddEvenFill);
    outlined(p, path, tone);
}

void padlock(QPainter& p, const QRect& box) {
    const QRectF r = cells(box);
    const qreal bodyTop = std::round(r.top() + r.height() * 0.45) + 0.5;
    const qreal inset = std::max(1.5, std::round(r.width() * 0.2));
    const qreal shackleWidth = r.width() - inset * 2.0;
    QPainterPath shackle;
    shackle.moveTo(r.left() + inset, bodyTop);
    shackle.lineTo(r.left() + inset, r.top() + shackleWidth / 2.0);
    shackle.arcTo(QRectF(r.left() + inset, r.top(), shackleWidth, shackleWidth), 180.0, -180.0);
    shackle.lineTo(r.right() - inset, bodyTop);
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(tone::steel().line, r.width() >= 9.0 ? 1.6 : 1.3, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(shackle);
    p.restore();

    QPainterPath body;
    body.addRoundedRect(QRectF(r.left(), bodyTop, r.width(), r.bottom() - bodyTop), 1.0, 1.0);
    outlined(p, body, tone::amber());
    const QPointF hole(r.center().x(), (bodyTop + r.bottom()) / 2.0);
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(tone::amber().line);
    p.drawEllipse(hole, 0.9, 0.9);
    p.restore();
}

void magnifier(QPainter& p, QPointF centre, qreal radius, QPointF handleEnd) {
    const QPointF toward = handleEnd - centre;
    const qreal length = std::hypot(toward.x(), toward.y());
    const QPointF start = centre + toward * ((radius + 0.5) / length);
    QPainterPath handle;
    handle.moveTo(start);
    handle.lineTo(handleEnd);
    band(p, handle, tone::slate(), radius >= 4.5 ? 2.2 : 1.6, Qt::RoundCap);

    p.save();
    p.setBrush(QColor(0xE0F2FE));
    p.setPen(QPen(tone::blue().line, radius >= 4.5 ? 1.6 : 1.3));
    p.drawEllipse(centre, radius, radius);
    p.setPen(QPen(colour::white(), 1.0, Qt::SolidLine, Qt::RoundCap));
    const QRectF glint(centre.x() - radius * 0.55, centre.y() - radius * 0.55, radius * 1.1,
                       radius * 1.1);
    p.drawArc(glint, 100 * 16, 70 * 16);
    p.restore();
}

void pencil(QPainter& p, QPointF tip, qreal length, qreal thickness) {
    const qreal half = thickness / 2.0;
    const qreal point = thickness * 1.1;
    const qreal cap = thickness * 0.8;
    p.save();
    p.translate(tip);
    p.rotate(-45.0);
    QPainterPath cone;
    cone.moveTo(0.0, 0.0);
    cone.lineTo(point, -half);
    cone.lineTo(point, half);
    cone.closeSubpath();
    outlined(p, cone, {QColor(0xFDE68A), QColor(0x92400E)});
    p.setPen(Qt::NoPen);
    p.setBrush(colour::ink());
    QPainterPath lead;
    lead.moveTo(0.0, 0.0);
    lead.lineTo(point * 0.4, -half * 0.4);
    lead.lineTo(point * 0.4, half * 0.4);
    lead.closeSubpath();
    p.drawPath(lead);
    QPainterPath body;
    body.addRect(QRectF(point, -half, length - point - cap, thickness));
    outlined(p, body, tone::amber());
    QPainterPath end;
    end.addRect(QRectF(length - cap, -half, cap, thickness));
    outlined(p, end, {QColor(0xF9A8D4), QColor(0x9D174D)});
    p.restore();
}

void reloadArrow(QPainter& p, QPointF centre, qreal radius, qreal width, const Tone& tone) {
    curvedArrow(p, centre, radius, width, tone, 75.0, -285.0);
}

void undoArrow(QPainter& p, QPointF centre, qreal radius, qreal width, const Tone& tone) {
    curvedArrow(p, centre, radius, width, tone, -35.0, 215.0);
}

} // namespace res::glyph
