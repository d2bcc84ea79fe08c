#pragma once

#include <QIconEngine>
#include <QList>
#include <QPixmap>

#include <functional>
#include <map>
#include <memory>
#include <utility>

namespace res {

// An icon whose pictures are drawn when they are first asked for, at exactly
// the size asked for, instead of all at once when the icon is made: drawing
// every size of a vector picture up front cost the start of the program
// more than anything else it draws. Each picture is kept once drawn; copies
// of the icon share them. The sizes given are the ones the icon offers when
// asked which it has (a window's icon hands all of them to the window
// system).
class DrawnIconEngine : public QIconEngine {
public:
    // draw(logical size, device pixel ratio) gives the picture.
    using Draw = std::function<QPixmap(int, qreal)>;

    DrawnIconEngine(Draw draw, QList<int> sizes);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    // Pictures by (logical size, ratio x 100, disabled).
    using Key = std::pair<std::pair<int, int>, bool>;
    struct Shared {
        Draw draw;
        QList<int> sizes;
        std::map<Key, QPixmap> pictures;
    };
    explicit DrawnIconEngine(std::shared_ptr<Shared> shared) : m_shared(std::move(shared)) {}

    std::shared_ptr<Shared> m_shared;
};

} // namespace res
