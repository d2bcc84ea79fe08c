#include "res/images/MenuImages.h"

#include "res/images/BasicGlyphs.h"
#include "res/images/Canvas.h"

namespace res {

QPixmap MenuImages::image(int index, qreal devicePixelRatio) {
    if (index < 0 || index >= kCount)
        return {};
    Canvas canvas(QSize(kSize, kSize), devicePixelRatio);
    if (index == Folder)
        glyph::folder(canvas.painter(), QRect(1, 2, 15, 12));
    else
        glyph::globe(canvas.painter(), {8.0, 8.0}, 6.8, tone::blue());
    return canvas.takePixmap();
}

QIcon MenuImages::icon(int index) {
    if (index < 0 || index >= kCount)
        return {};
    return Canvas::iconAtRatios([index](qreal ratio) { return image(index, ratio); });
}

} // namespace res
