// Renders every drawn picture of the program into one PNG contact sheet:
//   imagesheet [output.png]   (default /tmp/quorrelin-images.png)
// Run it with QT_QPA_PLATFORM=offscreen where there is no display.
#include "ContactSheet.h"

#include "res/images/AppIcons.h"
#include "res/images/BackgroundTile.h"
#include "res/images/BusyAnimation.h"
#include "res/images/ButtonImages.h"
#include "res/images/ExplorerTabImages.h"
#include "res/images/MenuImages.h"
#include "res/images/SplashImages.h"
#include "res/images/ToolbarImages.h"
#include "res/images/WindowBarImages.h"

#include <QPainter>

#include <QGuiApplication>
#include <QTextStream>

using namespace res;

namespace {

void addToolbar(ContactSheet& sheet) {
    const struct {
        ImageState state;
        const char* name;
    } states[] = {{ImageState::Normal, "normal"},
                  {ImageState::Hot, "hot"},
                  {ImageState::Disabled, "disabled"}};
    for (const auto& s : states) {
        sheet.heading(QStringLiteral("Toolbar (33 x 18x18), %1").arg(QLatin1String(s.name)));
        QList<QPixmap> pictures;
        QStringList captions;
        for (int i = 0; i < ToolbarImages::kCount; ++i) {
            pictures << ToolbarImages::image(i, s.state);
            captions << QString::number(i);
        }
        sheet.row(pictures, captions);
    }
    sheet.heading(QStringLiteral("Toolbar at ratio 2 and at real size"));
    QList<QPixmap> big;
    QList<QPixmap> real;
    QStringList captions;
    for (int i = 0; i < ToolbarImages::kCount; ++i) {
        big << ToolbarImages::image(i, ImageState::Normal, 2.0);
        real << ToolbarImages::image(i);
        captions << QString::number(i);
    }
    sheet.row(big, captions);
    sheet.row(real, QStringList(), 1);
}

void addSmallImages(ContactSheet& sheet) {
    sheet.heading(QStringLiteral("Window bar (20 x 16x16): 0-8 loading, 9 at rest, 10-19 locked"));
    QList<QPixmap> tabs;
    QStringList captions;
    for (int i = 0; i < WindowBarImages::kCount; ++i) {
        tabs << WindowBarImages::image(i);
        captions << QString::number(i);
    }
    sheet.row(tabs, captions);

    sheet.heading(QStringLiteral("Menu images (folder, link) and explorer tabs (folders, "
                                 "history, favorites), 16x16"));
    QList<QPixmap> small;
    for (int i = 0; i < MenuImages::kCount; ++i)
        small << MenuImages::image(i);
    for (int i = 0; i < ExplorerTabImages::kCount; ++i)
        small << ExplorerTabImages::image(i);
    sheet.row(small, {"menu 0", "menu 1", "tab 0", "tab 1", "tab 2"});
}

void addButtons(ContactSheet& sheet) {
    sheet.heading(QStringLiteral("Image buttons: normal, hot, pressed, disabled"));
    const char* names[ButtonImages::kCount] = {
        "tab close", "bar close", "go",       "add fav",   "organize", "refresh",
        "new group", "edit grp",  "del grp",  "grp up",    "grp down", "new link",
        "edit link", "del link",  "link up",  "link down"};
    QList<QPixmap> strips;
    QStringList captions;
    for (int id = 0; id < ButtonImages::kCount; ++id) {
        strips << ButtonImages::strip(id);
        captions << QLatin1String(names[id]);
    }
    sheet.row(strips, captions, 3);
}

void addAnimation(ContactSheet& sheet) {
    for (const QSize size : {BusyAnimation::kControlSize, BusyAnimation::kBandSize}) {
        sheet.heading(QStringLiteral("Busy animation %1x%2, %3 frames")
                          .arg(size.width())
                          .arg(size.height())
                          .arg(BusyAnimation::kFrameCount));
        QList<QPixmap> frames = BusyAnimation::frames(size);
        QStringList captions;
        for (int i = 0; i < frames.size(); ++i)
            captions << QString::number(i);
        sheet.row(frames, captions, 3);
    }
}

void addIcons(ContactSheet& sheet) {
    sheet.heading(QStringLiteral("Application icon, engine window icons, link group icon"));
    QList<QPixmap> icons;
    QStringList captions;
    for (const int size : {16, 24, 32, 48, 64, 128}) {
        icons << AppIcons::appImage(size);
        captions << QString::number(size);
    }
    sheet.row(icons, captions, 1);
    sheet.row({AppIcons::appImage(16), AppIcons::appImage(32), AppIcons::windowImage(0, 16),
               AppIcons::windowImage(1, 16), AppIcons::linkGroupImage(16)},
              {"app 16", "app 32", "engine 0", "engine 1", "group"});
    sheet.row({AppIcons::windowImage(0, 48), AppIcons::windowImage(1, 48),
               AppIcons::linkGroupImage(48)},
              {"engine 0", "engine 1", "group"}, 1);
}

void addBackgrounds(ContactSheet& sheet) {
    sheet.heading(QStringLiteral("Window background tile (shown tiled) and the splash"));
    QPixmap tiled(288, 144);
    QPainter p(&tiled);
    p.drawTiledPixmap(tiled.rect(), BackgroundTile::image());
    p.end();
    sheet.plain(tiled, QStringLiteral("background"));

    QPixmap splash = SplashImages::background();
    QPainter s(&splash);
    const QPixmap strip = SplashImages::strip();
    s.drawPixmap(QPointF(150, SplashImages::kStripCentreY - strip.height() / 2.0), strip);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    font.setBold(true);
    s.setFont(font);
    s.setPen(QColor(0xCCCCCC));
    s.drawText(QRect(220, 220, 130, 20), QStringLiteral("2.0 (sample)"));
    s.setPen(Qt::black);
    s.drawText(QRect(219, 219, 130, 20), QStringLiteral("2.0 (sample)"));
    s.end();
    sheet.plain(splash, QStringLiteral("splash with strip and version text"));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QString output = argc > 1 ? QString::fromLocal8Bit(argv[1])
                                    : QStringLiteral("/tmp/quorrelin-images.png");
    ContactSheet sheet(1400, 4);
    addToolbar(sheet);
    addSmallImages(sheet);
    addButtons(sheet);
    addAnimation(sheet);
    addIcons(sheet);
    addBackgrounds(sheet);
    if (!sheet.result().save(output)) {
        QTextStream(stderr) << "imagesheet: cannot write " << output << "\n";
        return 1;
    }
    QTextStream(stdout) << output << "\n";
    return 0;
}
