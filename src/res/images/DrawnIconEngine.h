#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QList>
#include <QPixmap>

#include <functional>
#include <map>
#include <memory>
#include <tuple>

namespace res {

// An icon whose pictures are drawn when they are first asked for instead of
// all at once when the icon is made: drawing every size, state and pixel
// ratio of the program's pictures up front was most of the cost of building
// the main window. Each picture is kept once drawn; copies of the icon
// share them.
class DrawnIconEngine : public QIconEngine {
public:
    // draw(logical size, device pixel ratio, mode) gives the picture.
    using Draw = std::function<QPixmap(int, qreal, QIcon::Mode)>;

    // A vector picture, drawn at exactly the size asked for. sizes are the
    // ones the icon offers when asked which it has (a window's icon hands
    // all of them to the window system).
    static QIcon scalable(Draw draw, QList<int> sizes);
    // A picture of one logical size; asked for less, it is scaled down.
    static QIcon fixed(Draw draw, int size);

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override;
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    QIconEngine* clone() const override;
    QString key() const override;

private:
    // Pictures by (logical size, ratio x 100, mode).
    using Key = std::tuple<int, int, int>;
    struct Shared {
        Draw draw;
        QList<int> sizes;
        bool fixedSize = false;
        std::map<Key, QPixmap> pictures;
    };
    explicit DrawnIconEngine(std::shared_ptr<Shared> shared);

    std::shared_ptr<Shared> m_shared;
};

} // namespace res
