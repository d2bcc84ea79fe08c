#pragma once

#include "res/images/ImageState.h"

#include <QImage>
#include <QPixmap>

namespace res {

// Derives the hot, pressed and disabled looks from a normal image, keeping
// its size, transparency and device pixel ratio. Hot is slightly lighter,
// pressed slightly darker, disabled a pale grey with no colour left.
class StateEffect {
public:
    static QImage apply(const QImage& normal, ImageState state);
    static QPixmap apply(const QPixmap& normal, ImageState state);
};

} // namespace res
