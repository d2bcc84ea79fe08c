#include "res/images/DrawnIconEngine.h"

#include "res/images/Canvas.h"
#include "res/images/StateEffect.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace res {

DrawnIconEngine::DrawnIconEngine(Draw draw, QList<int> sizes)
    : m_shared(std::make_shared<Shared>(Shared{std::move(draw), std::move(sizes), {}})) {}

QPixmap DrawnIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return scaledPixmap(size, mode, state, 1.0);
}

// size is in device pixels; the picture is drawn at size / scale logical
// pixels (the smaller side: icons are square) at that ratio.
QPixmap DrawnIconEngine::scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State,
                                      qreal scale) {
    const qreal ratio = Canvas::clampRatio(scale);
    const int logical = std::max(1, static_cast<int>(std::lround(
                                        std::min(size.width(), size.height()) / ratio)));
    const bool disabled = mode == QIcon::Disabled;
    const Key key{{logical, static_cast<int>(std::lround(ratio * 100))}, disabled};
    auto found = m_shared->pictures.find(key);
    if (found != m_shared->pictures.end())
        return found->second;
    QPixmap picture = m_shared->draw(logical, ratio);
    if (disabled)
        picture = StateEffect::apply(picture, ImageState::Disabled);
    m_shared->pictures.emplace(key, picture);
    return picture;
}

void DrawnIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
    const QPixmap picture = scaledPixmap(rect.size() * ratio, mode, state, ratio);
    painter->drawPixmap(rect, picture);
}

QSize DrawnIconEngine::actualSize(const QSize& size, QIcon::Mode, QIcon::State) {
    const int side = std::min(size.width(), size.height());
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
