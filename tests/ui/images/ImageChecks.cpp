#include "ImageChecks.h"

#include <QColor>

#include <algorithm>

namespace imagecheck {

namespace {

template <typename Fn> void forEachPixel(const QPixmap& pixmap, Fn fn) {
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            fn(line[x]);
    }
}

} // namespace

int opaqueCount(const QPixmap& pixmap) {
    int count = 0;
    forEachPixel(pixmap, [&count](QRgb p) { count += qAlpha(p) >= 128 ? 1 : 0; });
    return count;
}

bool fullyOpaque(const QPixmap& pixmap) {
    bool all = !pixmap.isNull();
    forEachPixel(pixmap, [&all](QRgb p) { all = all && qAlpha(p) == 255; });
    return all;
}

int maxSaturation(const QPixmap& pixmap) {
    int most = 0;
    forEachPixel(pixmap, [&most](QRgb p) {
        if (qAlpha(p) > 0)
            most = std::max(most, QColor::fromRgba(p).hsvSaturation());
    });
    return most;
}

int bluishCount(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            count += (qAlpha(p) > 200 && qBlue(p) > qRed(p) + 100) ? 1 : 0;
        }
    return count;
}

bool samePixels(const QPixmap& a, const QPixmap& b) {
    return a.size() == b.size() && a.toImage().convertToFormat(QImage::Format_ARGB32) ==
                                       b.toImage().convertToFormat(QImage::Format_ARGB32);
}

QSize logicalSize(const QPixmap& pixmap) {
    return (QSizeF(pixmap.size()) / pixmap.devicePixelRatio()).toSize();
}

} // namespace imagecheck
