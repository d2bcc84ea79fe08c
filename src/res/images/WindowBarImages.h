#pragma once

#include <QIcon>
#include <QPixmap>

namespace res {

// The window bar's tab images: 20 pictures of 16 x 16. Images 0..8 are the
// loading steps (a gauge filling from a sliver to full), image 9 a window at
// rest (a page), and images 10..19 the same ten with a padlock on them for
// locked windows.
class WindowBarImages {
public:
    static constexpr int kCount = 20;
    static constexpr int kSize = 16;
    static constexpr int kProgressSteps = 9;
    static constexpr int kRestImage = 9;
    static constexpr int kLockOffset = 10;

    // The picture of index (0..19) at the device pixel ratio (1..4); any other
    // index gives a null pixmap.
    static QPixmap image(int index, qreal devicePixelRatio = 1.0);
    // The picture at ratios 1 and 2; null for an index outside 0..19.
    static QIcon icon(int index);
};

} // namespace res
