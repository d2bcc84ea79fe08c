// Renders the program's icon into a freedesktop icon-theme tree:
//   quorrelin-icons OUTPUT_DIR
// writes OUTPUT_DIR/hicolor/<n>x<n>/apps/quorrelin.png for the usual sizes
// and OUTPUT_DIR/hicolor/scalable/apps/quorrelin.svg from the same drawing
// code the program uses for its window icon. The build runs it with the
// offscreen platform; it needs no display.
#include "res/images/AppIcons.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QSvgGenerator>
#include <QTextStream>

namespace {

constexpr int kSizes[] = {16, 32, 48, 64, 128, 256};
constexpr int kSvgSize = 256;

bool writePng(const QString& root, int size) {
    const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(root).arg(size);
    if (!QDir().mkpath(dir))
        return false;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    res::AppIcons::paintAppMark(painter, size);
    painter.end();
    return image.save(dir + QStringLiteral("/quorrelin.png"), "PNG");
}

bool writeSvg(const QString& root) {
    const QString dir = root + QStringLiteral("/hicolor/scalable/apps");
    if (!QDir().mkpath(dir))
        return false;
    QSvgGenerator svg;
    svg.setFileName(dir + QStringLiteral("/quorrelin.svg"));
    svg.setSize(QSize(kSvgSize, kSvgSize));
    svg.setViewBox(QRect(0, 0, kSvgSize, kSvgSize));
    svg.setTitle(QStringLiteral("Quorrelin"));
    QPainter painter;
    if (!painter.begin(&svg))
        return false;
    res::AppIcons::paintAppMark(painter, kSvgSize);
    return painter.end();
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: quorrelin-icons OUTPUT_DIR\n";
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    for (const int size : kSizes) {
        if (!writePng(root, size)) {
            err << "quorrelin-icons: cannot write the " << size << " pixel icon under " << root
                << "\n";
            return 1;
        }
    }
    if (!writeSvg(root)) {
        err << "quorrelin-icons: cannot write the scalable icon under " << root << "\n";
        return 1;
    }
    return 0;
}
