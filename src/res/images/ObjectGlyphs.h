#pragma once

#include "res/images/Tone.h"

#include <QPainter>
#include <QRect>

// Pictures of things that several image families show: favourites star,
// clock, gear, padlock, magnifier, pencil and the circular arrows.
namespace res::glyph {

// A five-pointed star of outer radius r.
void star(QPainter& p, QPointF centre, qreal radius, const Tone& tone);
// A clock face with a rim of the tone and two hands.
void clock(QPainter& p, QPointF centre, qreal radius, const Tone& rim);
// A gear wheel with a hole.
void gear(QPainter& p, QPointF centre, qreal radius, const Tone& tone, int teeth = 8);
// A padlock filling box (shackle on top, body below).
void padlock(QPainter& p, const QRect& box);
// A magnifying glass: lens at centre with radius, handle running to handleEnd.
void magnifier(QPainter& p, QPointF centre, qreal radius, QPointF handleEnd);
// A pencil whose point lies at tip, running up and to the right for length.
void pencil(QPainter& p, QPointF tip, qreal length, qreal thickness);
// A clockwise circular arrow with its head near the top (reload).
void reloadArrow(QPainter& p, QPointF centre, qreal radius, qreal width, const Tone& tone);
// An arrow curving over the top from right to left and down (undo, reopen).
void undoArrow(QPainter& p, QPointF centre, qreal radius, qreal width, const Tone& tone);

} // namespace res::glyph
