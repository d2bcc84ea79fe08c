#pragma once

#include <QPixmap>
#include <QSize>

namespace res {

// The tile that covers the empty area behind the browser windows, repeated
// from the top-left corner. It is fully opaque and joins seamlessly with its
// neighbours.
class BackgroundTile {
public:
    static constexpr QSize kSize{48, 48};
    static QPixmap image(qreal devicePixelRatio = 1.0);
};

} // namespace res
