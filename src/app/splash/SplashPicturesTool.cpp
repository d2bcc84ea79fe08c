// Renders the splash pictures at build time into a C++ source file for the
// splash program: the background with the version text drawn on it, and the
// strip.   quorrelin-splash-pictures <output.cpp>
#include "res/images/SplashImages.h"
#include "system/ProgramVersion.h"

#include <QApplication>
#include <QFile>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QSaveFile>

#include <cstdio>

namespace {

// The version text's place and look: from (220, 220) to (350, 240), bold
// 10-pixel letters, light grey with black one pixel up and to the left.
void drawVersion(QImage& image) {
    QPainter p(&image);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(10);
    font.setBold(true);
    p.setFont(font);
    const QRect box(QPoint(220, 220), QPoint(349, 239));
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine;
    p.setClipRect(box);
    p.setPen(QColor(0xCCCCCC));
    p.drawText(box, flags, programVersionText());
    p.setPen(Qt::black);
    p.drawText(box.translated(-1, -1), flags, programVersionText());
}

QImage pixels(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

QByteArray picture(const char* name, const QImage& image) {
    QByteArray out = "static const std::uint32_t " + QByteArray(name) + "Pixels[] = {\n";
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            out += "0x" + QByteArray::number(row[x], 16) + "u,";
            if (++column % 12 == 0)
                out += '\n';
        }
    }
    out += "};\nconst Picture k" + QByteArray(name) + " = {" + QByteArray::number(image.width()) +
           ", " + QByteArray::number(image.height()) + ", " + QByteArray(name) + "Pixels};\n\n";
    return out;
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorrelin-splash-pictures <output.cpp>\n");
        return 2;
    }
    QImage background = pixels(res::SplashImages::background());
    drawVersion(background);
    const QImage strip = pixels(res::SplashImages::strip());

    QSaveFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly))
        return 1;
    file.write("// Made by quorrelin-splash-pictures; do not edit.\n"
               "#include \"app/splash/SplashPictureData.h\"\n\nnamespace splash {\n\n");
    file.write(picture("Background", background));
    file.write(picture("Strip", strip));
    file.write("} // namespace splash\n");
    return file.commit() ? 0 : 1;
}
