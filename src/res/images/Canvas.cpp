#include "res/images/Canvas.h"

#include <cmath>

namespace res {

qreal Canvas::clampRatio(qreal devicePixelRatio) {
    if (!(devicePixelRatio >= 1.0))
        return 1.0;
    return devicePixelRatio > 4.0 ? 4.0 : devicePixelRatio;
}

Canvas::Canvas(QSize logicalSize, qreal devicePixelRatio)
    : m_ratio(clampRatio(devicePixelRatio)),
      m_image(QSize(qRound(logicalSize.width() * m_ratio), qRound(logicalSize.height() * m_ratio)),
              QImage::Format_ARGB32_Premultiplied) {
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.scale(m_ratio, m_ratio);
}

Canvas::~Canvas() {
    if (m_painter.isActive())
        m_painter.end();
}

QImage Canvas::takeImage() {
    if (m_painter.isActive())
        m_painter.end();
    m_image.setDevicePixelRatio(m_ratio);
    return std::move(m_image);
}

QPixmap Canvas::takePixmap() {
    QPixmap pixmap = QPixmap::fromImage(takeImage());
    pixmap.setDevicePixelRatio(m_ratio);
    return pixmap;
}

} // namespace res
