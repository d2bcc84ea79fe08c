#include "res/images/BackgroundTile.h"

#include "res/images/Canvas.h"

namespace res {

QPixmap BackgroundTile::image(qreal devicePixelRatio) {
    Canvas canvas(kSize, devicePixelRatio);
    QPainter& p = canvas.painter();
    p.fillRect(QRectF(QPointF(0, 0), QSizeF(kSize)), QColor(0xE4E9F0));
    // A soft diamond grid of dots; the pattern repeats every 24 pixels, so
    // it continues across tile edges.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD3DBE5));
    for (int y = 0; y < kSize.height(); y += 12) {
        const int offset = (y / 12) % 2 ? 12 : 0;
        for (int x = offset; x < kSize.width(); x += 24)
            p.drawEllipse(QPointF(x + 6.0, y + 6.0), 1.3, 1.3);
    }
    return canvas.takePixmap();
}

} // namespace res
