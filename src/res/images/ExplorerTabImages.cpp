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
    QIcon result;
    result.addPixmap(image(index, 1.0));
    result.addPixmap(image(index, 2.0));
    return result;
}

} // namespace res
