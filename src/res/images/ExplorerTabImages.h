#pragma once

#include <QIcon>
#include <QPixmap>

namespace res {

// The explorer bar's tab images, 16 x 16: 0 Folders, 1 History, 2 Favorites.
class ExplorerTabImages {
public:
    static constexpr int kCount = 3;
    static constexpr int kSize = 16;
    enum Index { Folders = 0, History = 1, Favorites = 2 };

    // Null for an index outside 0..2.
    static QPixmap image(int index, qreal devicePixelRatio = 1.0);
    static QIcon icon(int index);
};

} // namespace res
