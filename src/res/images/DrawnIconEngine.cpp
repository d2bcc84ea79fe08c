#include "res/images/DrawnIconEngine.h"

#include "res/images/Canvas.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace res {

DrawnIconEngine::DrawnIconEngine(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

QIcon DrawnIconEngine::scalable(Draw draw, QList<int> sizes) {
    return QIcon(new DrawnIconEngine(
        std::make_shared<Shared>(Shared{std::move(draw), std::move(sizes), false, {}})));
}

QIcon DrawnIconEngine::fixed(Draw draw, int size) {
    return QIcon(new DrawnIconEngine(
        std::make_shared<Shared>(Shared{std::move(draw), {size}, true, {}})));
}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

// size is in device pixels; the picture is drawn at size / scale logical
// pixels (the smaller side: the pictures are square) at that ratio.
QPixmap DrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                      qreal scale) {
    const qreal ratio = Canvas::clampRatio(scale);
    const int asked = std::max(
        1, static_cast<int>(std::lround(std::min(size.width(), size.height()) / ratio)));
    const int native = m_shared->sizes.value(0, asked);
    const int logical = m_shared->fixedSize ? std::min(asked, native) : asked;
    const Key key{logical, static_cast<int>(std::lround(ratio * 100)), static_cast<int>(mode)};
    if (const auto found = m_shared->pictures.find(key); found != m_shared->pictures.end())
        return found->second;
    QPixmap picture = m_shared->draw(m_shared->fixedSize ? native : logical, ratio, mode);
    if (m_shared->fixedSize && logical < native && !picture.isNull()) {
        picture = picture.scaled(QSize(logical, logical) * ratio, Qt::KeepAspectRatio,
                                 Qt::SmoothTransformation);
        picture.setDevicePixelRatio(ratio);
    }
    m_shared->pictures.emplace(key, picture);
    return picture;
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    painter->drawPixmap(rect, scaledPixmap(rect.size() * ratio, mode, state, ratio));
}

QSize DrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    int side = std::min(size.width(), size.height());
    if (m_shared->fixedSize)
        side = std::min(side, m_shared->sizes.value(0, side));
    return QSize(side, side);
}

QList<QSize> DrawnIconEngine::availableSizes(QIcon::Mode, QIcon::State) {
    QList<QSize> sizes;
    for (const int side : m_shared->sizes)
        sizes << QSize(side, side);
    return sizes;
}

QIconEngine* DrawnIconEngine::clone() const { return new DrawnIconEngine(m_shared); }

QString DrawnIconEngine::key() const { return QStringLiteral("DrawnIconEngine"); }

} // namespace res
