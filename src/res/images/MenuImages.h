#pragma once

#include <QIcon>
#include <QPixmap>

namespace res {

// The 16 x 16 images of menus, the link bar, the address list and the link
// group lists: 0 a folder (a group), 1 a web link.
class MenuImages {
public:
    static constexpr int kCount = 2;
    static constexpr int kSize = 16;
    enum Index { Folder = 0, Link = 1 };

    // Null for an index outside 0..1.
    static QPixmap image(int index, qreal devicePixelRatio = 1.0);
    static QIcon icon(int index);
};

} // namespace res
