#pragma once

#include <QPixmap>
#include <QSize>

namespace res {

// The start-up picture and the strip that slides across it. The strip runs
// in a groove drawn into the picture: centred on y = kStripCentreY between
// x = kBandLeft and x = kBandRight. The area from (220, 220) to (350, 240)
// is left plain and light for the version text drawn over it in dark
// letters.
class SplashImages {
public:
    static constexpr QSize kBackgroundSize{452, 300};
    static constexpr QSize kStripSize{96, 6};
    static constexpr int kBandLeft = 36;
    static constexpr int kBandRight = 416;
    static constexpr int kStripCentreY = 252;

    // The opaque picture.
    static QPixmap background(qreal devicePixelRatio = 1.0);
    // The strip; its ends fade out (transparent), so it is drawn over the
    // background rather than copied.
    static QPixmap strip(qreal devicePixelRatio = 1.0);
};

} // namespace res
