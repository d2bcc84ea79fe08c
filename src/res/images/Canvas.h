#pragma once

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>

namespace res {

// A transparent drawing surface of a logical size at a device pixel ratio.
// The painter works in logical units (antialiased); the image it yields has
// logical size x ratio pixels and carries the ratio.
class Canvas {
public:
    // Ratios are clamped to 1..4; anything else (NaN, 0, negative) draws at 1.
    Canvas(QSize logicalSize, qreal devicePixelRatio);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    QPainter& painter() { return m_painter; }
    qreal ratio() const { return m_ratio; }

    // Ends painting and hands over the result; the canvas is spent afterwards.
    QImage takeImage();
    QPixmap takePixmap();

    static qreal clampRatio(qreal devicePixelRatio);
    // An icon holding draw's picture at pixel ratios 1 and 2.
    template <class Draw>
    static QIcon iconAtRatios(Draw draw) {
        QIcon icon;
        icon.addPixmap(draw(1.0));
        icon.addPixmap(draw(2.0));
        return icon;
    }

private:
    qreal m_ratio;
    QImage m_image;
    QPainter m_painter;
};

} // namespace res
