#pragma once

#include "res/images/Tone.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>

// Shapes shared by several image families. Boxes are given in whole logical
// pixels; outlines are 1 pixel wide and run through pixel centres, so that
// they stay crisp at ratio 1 and exactly twice as wide at ratio 2.
namespace res::glyph {

// The rectangle whose 1-pixel outline covers exactly the cells of box.
QRectF cells(const QRect& box);

// Fills path with tone.fill and outlines it with tone.line.
void outlined(QPainter& p, const QPainterPath& path, const Tone& tone, qreal lineWidth = 1.0);

// Strokes path as a wide band of tone.fill edged by tone.line.
void band(QPainter& p, const QPainterPath& path, const Tone& tone, qreal width,
          Qt::PenCapStyle cap = Qt::FlatCap);

// Makes the area around shape (and shape itself) transparent again, so that a
// badge drawn there stands apart from what lies beneath.
void clearHalo(QPainter& p, const QPainterPath& shape, qreal margin);
QPainterPath circlePath(QPointF centre, qreal radius);

// A document with a folded top-right corner, optionally ruled with text lines.
void page(QPainter& p, const QRect& box, bool textLines = true);
// An application window with a coloured title band.
void window(QPainter& p, const QRect& box, const Tone& title);
// A closed or open folder.
void folder(QPainter& p, const QRect& box, bool open = false);
// A globe: a disc with meridian and equator lines.
void globe(QPainter& p, QPointF centre, qreal radius, const Tone& tone);
// A plain outlined disc.
void disc(QPainter& p, QPointF centre, qreal radius, const Tone& tone);

// A block arrow filling box, pointing in the given direction (no outline).
void blockArrow(QPainter& p, const QRectF& box, Qt::ArrowType direction, const QColor& colour);
// An outlined block arrow.
void blockArrow(QPainter& p, const QRectF& box, Qt::ArrowType direction, const Tone& tone);
// An x of two round-capped strokes.
void cross(QPainter& p, QPointF centre, qreal half, const QColor& colour, qreal width);
// A + of two strokes.
void plus(QPainter& p, QPointF centre, qreal half, const QColor& colour, qreal width);

// Round badges for a corner of a larger picture: a disc of the tone with a
// white mark. Each clears a 1-pixel halo first.
void crossBadge(QPainter& p, QPointF centre, qreal radius);
void plusBadge(QPainter& p, QPointF centre, qreal radius);
void arrowBadge(QPainter& p, QPointF centre, qreal radius, Qt::ArrowType direction);

} // namespace res::glyph
