#pragma once

#include <QImage>
#include <QPixmap>

// Pixel-level checks shared by the image tests.
namespace imagecheck {

// Pixels whose alpha is at least 128.
int opaqueCount(const QPixmap& pixmap);
// True when every pixel is fully opaque.
bool fullyOpaque(const QPixmap& pixmap);
// The largest HSV saturation (0..255) among pixels that are not transparent.
int maxSaturation(const QPixmap& pixmap);
// Pixels that are clearly blue (the gauge colour): blue well above red.
int bluishCount(const QImage& image);
// True when both hold the same pixels (sizes included).
bool samePixels(const QPixmap& a, const QPixmap& b);
// Physical pixel size divided by the ratio the pixmap carries.
QSize logicalSize(const QPixmap& pixmap);

} // namespace imagecheck
