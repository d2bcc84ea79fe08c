#include "res/images/ToolbarDrawings.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/ObjectGlyphs.h"

#include <QPainterPath>

#include <array>

namespace res::toolbar {

using namespace res::glyph;

namespace {

void newWindow(QPainter& p, const Tone& engine) {
    page(p, QRect(2, 1, 11, 15));
    clearHalo(p, circlePath({12.5, 12.5}, 5.0), 1.0);
    globe(p, {12.5, 12.5}, 5.0, engine);
}

void newIEWindow(QPainter& p) { newWindow(p, tone::blue()); }
void newMozillaWindow(QPainter& p) { newWindow(p, tone::teal()); }

void open(QPainter& p) { folder(p, QRect(1, 3, 17, 13), true); }

void disk(QPainter& p, const QRect& box) {
    const QRectF r = cells(box);
    QPainterPath body;
    body.moveTo(r.left(), r.top());
    body.lineTo(r.right() - 2.0, r.top());
    body.lineTo(r.right(), r.top() + 2.0);
    body.lineTo(r.right(), r.bottom());
    body.lineTo(r.left(), r.bottom());
    body.closeSubpath();
    outlined(p, body, tone::blue());
    QPainterPath shutter;
    shutter.addRect(cells(QRect(box.x() + 3, box.y(), box.width() - 7, 5)));
    outlined(p, shutter, tone::steel());
    p.fillRect(QRectF(box.x() + box.width() - 7, box.y() + 1, 2, 3), tone::steel().line);
    QPainterPath label;
    label.addRect(cells(QRect(box.x() + 2, box.y() + box.height() - 6, box.width() - 4, 6)));
    outlined(p, label, tone::paper());
}

void saveAs(QPainter& p) {
    disk(p, QRect(1, 1, 14, 14));
    QPainterPath shape;
    shape.moveTo(9.0, 17.0);
    shape.lineTo(17.5, 8.5);
    clearHalo(p, shape, 2.6);
    pencil(p, {9.5, 16.5}, 10.5, 3.2);
}

void closeWindow(QPainter& p) {
    window(p, QRect(1, 2, 15, 13), tone::blue());
    crossBadge(p, {13.5, 13.5}, 4.3);
}

void closeAll(QPainter& p) {
    window(p, QRect(1, 1, 12, 10), tone::slate());
    window(p, QRect(4, 4, 12, 10), tone::blue());
    crossBadge(p, {13.5, 13.5}, 4.3);
}

void cut(QPainter& p) {
    QPainterPath blades;
    blades.moveTo(6.8, 11.5);
    blades.lineTo(12.5, 1.5);
    blades.moveTo(11.2, 11.5);
    blades.lineTo(5.5, 1.5);
    band(p, blades, tone::steel(), 1.4, Qt::RoundCap);
    p.save();
    p.setBrush(colour::white());
    p.setPen(QPen(tone::red().fill, 1.8));
    p.drawEllipse(QPointF(5.0, 14.0), 2.6, 2.6);
    p.drawEllipse(QPointF(13.0, 14.0), 2.6, 2.6);
    p.setPen(Qt::NoPen);
    p.setBrush(tone::steel().line);
    p.drawEllipse(QPointF(9.0, 7.6), 1.0, 1.0);
    p.restore();
}

void copy(QPainter& p) {
    page(p, QRect(1, 1, 10, 12));
    page(p, QRect(7, 5, 10, 12));
}

void paste(QPainter& p) {
    QPainterPath board;
    board.addRoundedRect(cells(QRect(1, 2, 12, 15)), 1.0, 1.0);
    outlined(p, board, tone::wood());
    QPainterPath clip;
    clip.addRoundedRect(cells(QRect(4, 1, 6, 4)), 1.0, 1.0);
    outlined(p, clip, tone::steel());
    page(p, QRect(7, 6, 10, 12));
}

void navigate(QPainter& p, Qt::ArrowType direction) {
    disc(p, {9.0, 9.0}, 8.0, tone::blue());
    blockArrow(p, QRectF(4.0, 4.5, 10.0, 9.0), direction, colour::white());
}

void back(QPainter& p) { navigate(p, Qt::LeftArrow); }
void forward(QPainter& p) { navigate(p, Qt::RightArrow); }

void stopSign(QPainter& p, QPointF centre, qreal radius) {
    disc(p, centre, radius, tone::red());
    cross(p, centre, radius * 0.4, colour::white(), radius >= 7.0 ? 2.0 : 1.7);
}

void stop(QPainter& p) { stopSign(p, {9.0, 9.0}, 8.0); }

void stopAll(QPainter& p) {
    stopSign(p, {6.5, 6.5}, 5.8);
    clearHalo(p, circlePath({11.5, 11.5}, 6.0), 1.0);
    stopSign(p, {11.5, 11.5}, 6.0);
}

void refresh(QPainter& p) { reloadArrow(p, {9.0, 9.5}, 6.0, 2.4, tone::green()); }

void refreshAll(QPainter& p) {
    window(p, QRect(1, 1, 12, 10), tone::slate());
    window(p, QRect(3, 4, 12, 10), tone::blue());
    clearHalo(p, circlePath({13.0, 13.0}, 4.8), 0.5);
    reloadArrow(p, {13.0, 13.3}, 3.4, 1.7, tone::green());
}

void home(QPainter& p) {
    QPainterPath walls;
    walls.addRect(cells(QRect(4, 8, 11, 9)));
    outlined(p, walls, {QColor(0xFEF3C7), QColor(0x92400E)});
    QPainterPath door;
    door.addRect(cells(QRect(8, 11, 4, 6)));
    outlined(p, door, tone::blue());
    QPainterPath chimney;
    chimney.addRect(cells(QRect(12, 2, 3, 5)));
    outlined(p, chimney, tone::red());
    QPainterPath roof;
    roof.moveTo(1.0, 9.5);
    roof.lineTo(9.5, 1.5);
    roof.lineTo(18.0, 9.5);
    roof.lineTo(15.5, 9.5);
    roof.lineTo(9.5, 4.2);
    roof.lineTo(3.5, 9.5);
    roof.closeSubpath();
    outlined(p, roof, tone::red());
}

void search(QPainter& p) { magnifier(p, {7.5, 7.5}, 5.2, {16.0, 16.0}); }

void favorites(QPainter& p) { star(p, {9.0, 9.6}, 8.4, tone::amber()); }

void textSize(QPainter& p) {
    p.save();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::ink(), 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    QPainterPath big;
    big.moveTo(1.5, 16.5);
    big.lineTo(6.5, 2.5);
    big.lineTo(11.5, 16.5);
    big.moveTo(3.6, 11.5);
    big.lineTo(9.4, 11.5);
    p.drawPath(big);
    p.setPen(QPen(tone::blue().fill, 1.7, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
    QPainterPath small;
    small.moveTo(11.3, 16.5);
    small.lineTo(14.2, 8.5);
    small.lineTo(17.1, 16.5);
    small.moveTo(12.4, 13.6);
    small.lineTo(16.0, 13.6);
    p.drawPath(small);
    p.restore();
}

void news(QPainter& p) {
    QPainterPath backSheet;
    backSheet.addRect(cells(QRect(4, 1, 13, 14)));
    outlined(p, backSheet, tone::paperShade());
    QPainterPath sheet;
    sheet.addRect(cells(QRect(1, 3, 14, 14)));
    outlined(p, sheet, tone::paper());
    p.fillRect(QRectF(3, 5, 10, 2), colour::ink());
    p.fillRect(QRectF(3, 9, 4, 4), tone::blue().fill);
    p.save();
    p.setPen(QPen(colour::textLine(), 1.0));
    for (int y = 9; y <= 13; y += 2)
        p.drawLine(QPointF(8, y + 0.5), QPointF(13, y + 0.5));
    p.drawLine(QPointF(3, 14.5), QPointF(13, 14.5));
    p.restore();
}

void mail(QPainter& p) {
    QPainterPath body;
    body.addRect(cells(QRect(1, 3, 17, 13)));
    outlined(p, body, tone::paper());
    QPainterPath flap;
    flap.moveTo(1.5, 3.5);
    flap.lineTo(9.0, 10.0);
    flap.lineTo(16.5, 3.5);
    flap.closeSubpath();
    outlined(p, flap, {QColor(0xBFDBFE), QColor(0x1E40AF)});
    p.save();
    p.setPen(QPen(tone::paper().line, 1.0));
    p.drawLine(QPointF(1.5, 15.5), QPointF(6.5, 10.0));
    p.drawLine(QPointF(16.5, 15.5), QPointF(11.5, 10.0));
    p.restore();
}

void print(QPainter& p) {
    page(p, QRect(4, 1, 10, 7), false);
    QPainterPath body;
    body.addRoundedRect(cells(QRect(1, 6, 17, 8)), 1.5, 1.5);
    outlined(p, body, tone::slate());
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(tone::green().fill);
    p.drawEllipse(QPointF(14.5, 8.5), 1.0, 1.0);
    p.restore();
    page(p, QRect(4, 11, 10, 7), true);
}

void fullScreen(QPainter& p) {
    QPainterPath screen;
    screen.addRect(cells(QRect(5, 5, 8, 8)));
    outlined(p, screen, {QColor(0xDBEAFE), tone::blue().line});
    p.save();
    p.setPen(QPen(tone::blue().fill, 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal lo = 2.0;
    const qreal hi = 16.0;
    const qreal arm = 4.0;
    p.drawPolyline(QPolygonF({{lo, lo + arm}, {lo, lo}, {lo + arm, lo}}));
    p.drawPolyline(QPolygonF({{hi - arm, lo}, {hi, lo}, {hi, lo + arm}}));
    p.drawPolyline(QPolygonF({{lo, hi - arm}, {lo, hi}, {lo + arm, hi}}));
    p.drawPolyline(QPolygonF({{hi - arm, hi}, {hi, hi}, {hi, hi - arm}}));
    p.restore();
}

void folders(QPainter& p) {
    p.save();
    p.setPen(QPen(tone::slate().line, 1.0));
    p.drawLine(QPointF(3.5, 9.0), QPointF(3.5, 13.5));
    p.drawLine(QPointF(3.5, 13.5), QPointF(7.0, 13.5));
    p.restore();
    folder(p, QRect(1, 1, 11, 8));
    folder(p, QRect(7, 9, 11, 8));
}

void history(QPainter& p) { clock(p, {9.0, 9.0}, 8.0, tone::blue()); }

void options(QPainter& p) { gear(p, {9.0, 9.0}, 8.2, tone::slate(), 8); }

void clearHistory(QPainter& p) {
    clock(p, {8.0, 8.0}, 7.0, tone::blue());
    crossBadge(p, {13.5, 13.5}, 4.3);
}

void cascade(QPainter& p) {
    window(p, QRect(1, 1, 11, 9), tone::slate());
    window(p, QRect(4, 4, 11, 9), tone::slate());
    window(p, QRect(7, 8, 11, 9), tone::blue());
}

void tileHorizontally(QPainter& p) {
    window(p, QRect(1, 1, 17, 8), tone::blue());
    window(p, QRect(1, 10, 17, 8), tone::blue());
}

void tileVertically(QPainter& p) {
    window(p, QRect(1, 1, 8, 17), tone::blue());
    window(p, QRect(10, 1, 8, 17), tone::blue());
}

void internetOptions(QPainter& p) {
    globe(p, {7.5, 7.5}, 6.8, tone::blue());
    clearHalo(p, circlePath({13.0, 13.0}, 4.8), 1.0);
    gear(p, {13.0, 13.0}, 4.8, tone::slate(), 7);
}

void closedWindows(QPainter& p) {
    window(p, QRect(1, 1, 14, 12), tone::blue());
    clearHalo(p, circlePath({12.5, 13.0}, 5.0), 0.5);
    undoArrow(p, {12.5, 13.5}, 3.3, 1.7, tone::blue());
}

void editPage(QPainter& p) {
    page(p, QRect(1, 1, 12, 16));
    QPainterPath shape;
    shape.moveTo(8.0, 17.0);
    shape.lineTo(17.5, 7.5);
    clearHalo(p, shape, 2.6);
    pencil(p, {8.5, 16.5}, 12.0, 3.2);
}

using Drawing = void (*)(QPainter&);

// In image-list order: each entry is the picture of that toolbar image index.
constexpr std::array<Drawing, 33> kDrawings = {
    newIEWindow,  newMozillaWindow, open,         saveAs,   closeWindow,      closeAll,
    cut,          copy,             paste,        back,     forward,          stop,
    stopAll,      refresh,          refreshAll,   home,     search,           favorites,
    textSize,     news,             mail,         print,    fullScreen,       folders,
    history,      options,          clearHistory, cascade,  tileHorizontally, tileVertically,
    internetOptions, closedWindows, editPage,
};

} // namespace

bool draw(QPainter& p, int index) {
    if (index < 0 || index >= static_cast<int>(kDrawings.size()))
        return false;
    p.save();
    kDrawings[static_cast<std::size_t>(index)](p);
    p.restore();
    return true;
}

} // namespace res::toolbar
