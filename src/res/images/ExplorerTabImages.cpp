#include "res/images/ExplorerTabImages.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"
#include "res/images/ObjectGlyphs.h"

namespace res {

QPixmap ExplorerTabImages::image(int index, qreal devicePixelRatio) {
    if (index < 0 || index >= kCount)
        return {};
    Canvas canvas(QSize(kSize, kSize), devicePixelRatio);
    QPainter& p = canvas.painter();
    switch (index) {
    case Folders:
        glyph::folder(p, QRect(1, 2, 15, 12));
        break;
    case History:
        glyph::clock(p, {8.0, 8.0}, 7.0, tone::blue());
        break;
    default:
        glyph::star(p, {8.0, 8.6}, 7.5, tone::amber());
        break;
    }
    return canvas.takePixmap();
}

QIcon ExplorerTabImages::icon(int index) {
    if (index < 0 || index >= kCount)
        return {};
    return Canvas::iconAtRatios([index](qreal ratio) { return image(index, ratio); });
}

} // namespace res
