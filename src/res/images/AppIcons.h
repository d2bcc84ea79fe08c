#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace res {

// The program's icons: the application icon, the window icons of the two
// engine kinds (0 Internet Explorer, 1 Mozilla; any other kind draws as 0)
// and the link group dialog's icon. Sizes are logical pixels, 8..512; other
// sizes are clamped into that range.
class AppIcons {
public:
    static QPixmap appImage(int size, qreal devicePixelRatio = 1.0);
    // Paints the application's mark into a size x size square at the
    // painter's origin, on any paint device (the icon files are rendered
    // from it at build time, the scalable one as SVG).
    static void paintAppMark(QPainter& painter, qreal size);
    static QIcon appIcon();

    static QPixmap windowImage(int engine, int size, qreal devicePixelRatio = 1.0);
    static QIcon windowIcon(int engine);

    static QPixmap linkGroupImage(int size, qreal devicePixelRatio = 1.0);
    static QIcon linkGroupIcon();
};

} // namespace res
