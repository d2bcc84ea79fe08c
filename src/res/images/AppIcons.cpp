#include "res/images/AppIcons.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"
#include "res/images/DrawnIconEngine.h"
#include "res/images/StateEffect.h"

#include <QLinearGradient>
#include <QPainterPathStroker>
#include <QTransform>

#include <algorithm>
#include <functional>

namespace res {

namespace {

int clampSize(int size) { return std::clamp(size, 8, 512); }

QPainterPath strokeOutline(const QPainterPath& path, const QPen& pen) {
    QPainterPathStroker stroker(pen);
    return stroker.createStroke(path).simplified();
}

// The application's mark: a blue rounded tile holding a white globe circled
// by an amber orbit with a light on it.
void drawAppMark(QPainter& p, qreal s) {
    const QRectF tile(s * 0.03, s * 0.03, s * 0.94, s * 0.94);
    QLinearGradient sky(tile.topLeft(), tile.bottomLeft());
    sky.setColorAt(0.0, QColor(0x60A5FA));
    sky.setColorAt(1.0, QColor(0x1D4ED8));
    p.setPen(QPen(QColor(0x1E3A8A), std::max(1.0, s / 48.0)));
    p.setBrush(sky);
    p.drawRoundedRect(tile, s * 0.2, s * 0.2);

    const QPointF centre(s * 0.5, s * 0.52);
    const qreal r = s * 0.29;
    const qreal line = std::max(1.2, s * 0.055);
    const QTransform turn = QTransform().translate(centre.x(), centre.y()).rotate(-22.0);
    QPainterPath orbit;
    orbit.addEllipse(QPointF(0, 0), s * 0.43, s * 0.13);
    const QPainterPath orbitPath = turn.map(orbit);
    const QPen orbitPen(QColor(0xFBBF24), line, Qt::SolidLine, Qt::RoundCap);

    // Back half of the orbit, the globe, then the front half over it. The
    // halves and the globe's lines are cut by path intersection rather than
    // clipping, so the drawing exports to SVG unchanged.
    const QPainterPath orbitOutline = strokeOutline(orbitPath, orbitPen);
    QPainterPath upper;
    upper.addRect(QRectF(0, 0, s, centre.y()));
    QPainterPath lower;
    lower.addRect(QRectF(0, centre.y(), s, s - centre.y()));
    p.fillPath(orbitOutline.intersected(upper), orbitPen.color());

    QPainterPath disc = glyph::circlePath(centre, r);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 60));
    p.drawPath(disc);
    QPainterPath grid;
    grid.addEllipse(centre, r * 0.42, r);
    if (s >= 24) {
        for (const qreal dy : {-0.5, 0.0, 0.5}) {
            grid.moveTo(centre.x() - r, centre.y() + r * dy);
            grid.lineTo(centre.x() + r, centre.y() + r * dy);
        }
        grid.moveTo(centre.x(), centre.y() - r);
        grid.lineTo(centre.x(), centre.y() + r);
    }
    const QPen gridPen(QColor(255, 255, 255, 220), line * 0.7);
    p.fillPath(strokeOutline(grid, gridPen).intersected(disc), gridPen.color());
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour::white(), line));
    p.drawPath(disc);

    p.fillPath(orbitOutline.intersected(lower), orbitPen.color());

    const QPointF light = turn.map(QPointF(s * 0.43 * 0.72, s * 0.13 * 0.69));
    p.setPen(QPen(QColor(0xC2410C), std::max(0.8, s / 64.0)));
    p.setBrush(QColor(0xF97316));
    const qreal lightRadius = s >= 24 ? s * 0.075 : s * 0.1;
    p.drawEllipse(light, lightRadius, lightRadius);
}

// Small pictures are designed on a 16-pixel grid and scaled up for larger
// sizes, so they keep their proportions.
QPixmap onGrid(int size, qreal ratio, const std::function<void(QPainter&)>& draw) {
    const int logical = clampSize(size);
    Canvas canvas(QSize(logical, logical), ratio);
    canvas.painter().scale(logical / 16.0, logical / 16.0);
    draw(canvas.painter());
    return canvas.takePixmap();
}

// Pictures are drawn when first asked for, at the size asked for; the
// disabled look is derived from the normal picture.
QIcon iconOf(std::function<QPixmap(int, qreal)> image, std::initializer_list<int> sizes) {
    return DrawnIconEngine::scalable(
        [image = std::move(image)](int size, qreal ratio, QIcon::Mode mode) {
            const QPixmap picture = image(size, ratio);
            return mode == QIcon::Disabled ? StateEffect::apply(picture, ImageState::Disabled)
                                           : picture;
        },
        QList<int>(sizes));
}

} // namespace

void AppIcons::paintAppMark(QPainter& painter, qreal size) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawAppMark(painter, size);
    painter.restore();
}

QPixmap AppIcons::appImage(int size, qreal devicePixelRatio) {
    const int logical = clampSize(size);
    Canvas canvas(QSize(logical, logical), devicePixelRatio);
    drawAppMark(canvas.painter(), logical);
    return canvas.takePixmap();
}

QIcon AppIcons::appIcon() {
    // The window system is handed every size offered here when the main
    // window appears; larger pictures of the mark come from the installed
    // icon files, which the desktop entry names.
    return iconOf([](int size, qreal ratio) { return appImage(size, ratio); },
                  {16, 22, 24, 32, 48, 64});
}

QPixmap AppIcons::windowImage(int engine, int size, qreal devicePixelRatio) {
    const Tone globeTone = engine == 1 ? tone::teal() : tone::blue();
    return onGrid(size, devicePixelRatio, [&globeTone](QPainter& p) {
        glyph::page(p, QRect(1, 0, 11, 15));
        glyph::clearHalo(p, glyph::circlePath({11.0, 11.0}, 4.8), 1.0);
        glyph::globe(p, {11.0, 11.0}, 4.8, globeTone);
    });
}

QIcon AppIcons::windowIcon(int engine) {
    return iconOf([engine](int size, qreal ratio) { return windowImage(engine, size, ratio); },
                  {16, 24, 32, 48});
}

QPixmap AppIcons::linkGroupImage(int size, qreal devicePixelRatio) {
    return onGrid(size, devicePixelRatio, [](QPainter& p) {
        glyph::folder(p, QRect(0, 1, 15, 12));
        glyph::clearHalo(p, glyph::circlePath({11.5, 11.5}, 4.3), 1.0);
        glyph::globe(p, {11.5, 11.5}, 4.3, tone::blue());
    });
}

QIcon AppIcons::linkGroupIcon() {
    return iconOf([](int size, qreal ratio) { return linkGroupImage(size, ratio); },
                  {16, 24, 32, 48});
}

} // namespace res
