#include "res/images/StateEffect.h"

#include <algorithm>

namespace res {

namespace {

int mix(int value, int target, int percent) {
    return value + (target - value) * percent / 100;
}

QRgb transform(QRgb pixel, ImageState state) {
    const int a = qAlpha(pixel);
    if (a == 0)
        return pixel;
    int r = qRed(pixel);
    int g = qGreen(pixel);
    int b = qBlue(pixel);
    switch (state) {
    case ImageState::Hot:
        return qRgba(mix(r, 255, 14), mix(g, 255, 14), mix(b, 255, 14), a);
    case ImageState::Pressed:
        return qRgba(mix(r, 0, 16), mix(g, 0, 16), mix(b, 0, 16), a);
    case ImageState::Disabled: {
        // Dark parts stay darker than light parts, all within a pale band.
        const int grey = (r * 299 + g * 587 + b * 114) / 1000;
        const int pale = 125 + grey * 105 / 255;
        return qRgba(pale, pale, pale, a * 85 / 100);
    }
    case ImageState::Normal:
        break;
    }
    return pixel;
}

} // namespace

QImage StateEffect::apply(const QImage& normal, ImageState state) {
    if (state == ImageState::Normal || normal.isNull())
        return normal;
    QImage image = normal.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        std::transform(line, line + image.width(), line,
                       [state](QRgb pixel) { return transform(pixel, state); });
    }
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(normal.devicePixelRatio());
    return result;
}

QPixmap StateEffect::apply(const QPixmap& normal, ImageState state) {
    if (state == ImageState::Normal || normal.isNull())
        return normal;
    QPixmap result = QPixmap::fromImage(apply(normal.toImage(), state));
    result.setDevicePixelRatio(normal.devicePixelRatio());
    return result;
}

} // namespace res
