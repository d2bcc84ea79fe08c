// The larger pictures: busy animation and its player, window background,
// splash pictures and the program's icons.
#include "ImageChecks.h"

#include "res/images/AppIcons.h"
#include "res/images/BackgroundTile.h"
#include "res/images/BusyAnimation.h"
#include "res/images/BusyAnimationPlayer.h"
#include "res/images/DrawnIconEngine.h"
#include "res/images/SplashImages.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include <QColor>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSignalSpy>

using namespace res;
using namespace imagecheck;

TEST(BusyAnimationTest, FramesAtBothSizesMoveAndLoop) {
    for (const QSize size : {BusyAnimation::kControlSize, BusyAnimation::kBandSize}) {
        const QList<QPixmap> frames = BusyAnimation::frames(size);
        ASSERT_EQ(frames.size(), BusyAnimation::kFrameCount);
        for (int i = 0; i < frames.size(); ++i) {
            EXPECT_EQ(frames[i].size(), size) << i;
            EXPECT_GT(opaqueCount(frames[i]), 40) << i;
            EXPECT_FALSE(samePixels(frames[i], frames[(i + 1) % frames.size()])) << i;
        }
        EXPECT_TRUE(samePixels(BusyAnimation::frame(BusyAnimation::kFrameCount, size), frames[0]));
        EXPECT_TRUE(samePixels(BusyAnimation::frame(-1, size), frames.last()));
    }
    EXPECT_EQ(BusyAnimation::kControlSize, QSize(30, 16));
    EXPECT_EQ(BusyAnimation::frame(3, BusyAnimation::kBandSize, 2.0).size(), QSize(64, 36));
    EXPECT_TRUE(BusyAnimation::frame(0, QSize(4, 30)).isNull());
    EXPECT_TRUE(BusyAnimation::frames(QSize(30, 0)).isEmpty());
}

TEST(BusyAnimationTest, PlayerLoopsWhileOnAndRestsOnFrameZeroWhenOff) {
    BusyAnimationPlayer player(BusyAnimation::kControlSize, 1.0);
    QSignalSpy changed(&player, &BusyAnimationPlayer::frameChanged);
    EXPECT_FALSE(player.isRunning());
    EXPECT_TRUE(samePixels(player.currentFrame(), BusyAnimation::frame(0)));

    player.start();
    ASSERT_TRUE(changed.wait(2000));
    EXPECT_TRUE(player.isRunning());
    EXPECT_NE(player.currentIndex(), 0);

    player.stop();
    EXPECT_FALSE(player.isRunning());
    EXPECT_EQ(player.currentIndex(), 0);
    EXPECT_TRUE(samePixels(changed.last().at(0).value<QPixmap>(), BusyAnimation::frame(0)));
    // Stopping again while at rest announces nothing new.
    const qsizetype announced = changed.size();
    player.stop();
    EXPECT_EQ(changed.size(), announced);
}

// Frames that are dear to show (a window composing many page views) must
// not keep the event loop busy: the player waits a multiple of what a frame
// cost before the next one, while cheap frames keep the normal pace.
TEST(BusyAnimationTest, PlayerYieldsTheEventLoopWhenFramesAreDear) {
    BusyAnimationPlayer player(BusyAnimation::kControlSize, 1.0);
    qint64 drawingMs = 0;
    int frames = 0;
    QObject::connect(&player, &BusyAnimationPlayer::frameChanged, [&] {
        QElapsedTimer drawing;
        drawing.start();
        while (drawing.elapsed() < 60) {
        }
        drawingMs += drawing.elapsed();
        ++frames;
    });
    QElapsedTimer wall;
    wall.start();
    player.start();
    while (wall.elapsed() < 1500)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    player.stop();
    EXPECT_GE(frames, 2);
    EXPECT_LT(double(drawingMs) / double(wall.elapsed()), 0.4);

    BusyAnimationPlayer cheap(BusyAnimation::kControlSize, 1.0);
    QSignalSpy changed(&cheap, &BusyAnimationPlayer::frameChanged);
    cheap.start();
    wall.restart();
    while (wall.elapsed() < 1000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    EXPECT_GE(changed.size(), 8);
}

TEST(BackgroundTileTest, OpaqueAndSubtle) {
    const QPixmap tile = BackgroundTile::image();
    EXPECT_EQ(tile.size(), BackgroundTile::kSize);
    EXPECT_TRUE(fullyOpaque(tile));
    EXPECT_LT(maxSaturation(tile), 60);
    EXPECT_EQ(BackgroundTile::image(2.0).size(), BackgroundTile::kSize * 2);
    EXPECT_TRUE(fullyOpaque(BackgroundTile::image(2.0)));
}

TEST(SplashImagesTest, BackgroundFitsTheStripBandAndKeepsTheTextAreaLight) {
    const QPixmap background = SplashImages::background();
    ASSERT_EQ(background.size(), SplashImages::kBackgroundSize);
    EXPECT_TRUE(fullyOpaque(background));
    // The strip's band must lie inside the picture.
    EXPECT_GE(background.width(), SplashImages::kBandRight + SplashImages::kBandLeft);
    EXPECT_GT(background.height(), SplashImages::kStripCentreY + SplashImages::kStripSize.height());
    // The version text is drawn in black over (220,220)-(350,240).
    const QImage image = background.toImage();
    for (int y = 220; y < 240; ++y)
        for (int x = 220; x < 350; ++x)
            ASSERT_GT(QColor(image.pixel(x, y)).lightness(), 200) << x << "," << y;

    const QPixmap strip = SplashImages::strip();
    EXPECT_EQ(strip.size(), SplashImages::kStripSize);
    EXPECT_GT(opaqueCount(strip), 0);
    EXPECT_EQ(SplashImages::background(2.0).size(), SplashImages::kBackgroundSize * 2);
}

TEST(AppIconsTest, IconsHaveTheSizesTheProgramAsksFor) {
    const QIcon app = AppIcons::appIcon();
    ASSERT_FALSE(app.isNull());
    for (const int size : {16, 32, 48, 256})
        EXPECT_EQ(app.pixmap(QSize(size, size)).size(), QSize(size, size)) << size;
    EXPECT_GT(opaqueCount(AppIcons::appImage(16)), 16 * 16 / 2);

    for (const int engine : {0, 1}) {
        const QPixmap image = AppIcons::windowImage(engine, 16);
        EXPECT_EQ(image.size(), QSize(16, 16));
        EXPECT_GT(opaqueCount(image), 40);
        EXPECT_FALSE(AppIcons::windowIcon(engine).isNull());
    }
    EXPECT_FALSE(samePixels(AppIcons::windowImage(0, 16), AppIcons::windowImage(1, 16)));
    EXPECT_TRUE(samePixels(AppIcons::windowImage(7, 16), AppIcons::windowImage(0, 16)));
    EXPECT_GT(opaqueCount(AppIcons::linkGroupImage(16)), 40);
    EXPECT_FALSE(AppIcons::linkGroupIcon().isNull());
    EXPECT_EQ(AppIcons::appImage(0).size(), QSize(8, 8));
    EXPECT_EQ(AppIcons::windowImage(0, 16, 2.0).size(), QSize(32, 32));
}

// Icons draw a picture only when it is asked for, once per size and ratio,
// at exactly that size; copies share what was drawn.
TEST(AppIconsTest, DrawnIconsDrawEachPictureOnceWhenFirstAskedFor) {
    int draws = 0;
    const auto draw = [&draws](int size, qreal ratio, QIcon::Mode mode) {
        ++draws;
        QPixmap picture(QSize(size, size) * ratio);
        picture.setDevicePixelRatio(ratio);
        picture.fill(mode == QIcon::Disabled ? Qt::gray : Qt::red);
        return picture;
    };
    const QIcon icon = DrawnIconEngine::scalable(draw, {16, 32});
    EXPECT_EQ(draws, 0) << "nothing drawn up front";
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{QSize(16, 16), QSize(32, 32)}));

    EXPECT_EQ(icon.pixmap(QSize(20, 20), 1.0).size(), QSize(20, 20));
    const QIcon copy = icon;
    EXPECT_EQ(copy.pixmap(QSize(20, 20), 1.0).size(), QSize(20, 20));
    EXPECT_EQ(draws, 1) << "the copy uses the picture already drawn";

    const QPixmap sharp = icon.pixmap(QSize(16, 16), 2.0);
    EXPECT_EQ(sharp.size(), QSize(32, 32));
    EXPECT_DOUBLE_EQ(sharp.devicePixelRatio(), 2.0);
    EXPECT_EQ(draws, 2);

    EXPECT_EQ(icon.pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage().pixelColor(8, 8),
              QColor(Qt::gray)) << "each look is drawn for itself";
    EXPECT_EQ(draws, 3);

    // A picture of one size is never drawn larger, and scaled down when
    // asked for less.
    draws = 0;
    const QIcon fixed = DrawnIconEngine::fixed(draw, 18);
    EXPECT_EQ(fixed.pixmap(QSize(32, 32), 1.0).size(), QSize(18, 18));
    EXPECT_EQ(fixed.pixmap(QSize(16, 16), 1.0).size(), QSize(16, 16));
    EXPECT_EQ(fixed.actualSize(QSize(32, 32)), QSize(18, 18));
    EXPECT_EQ(fixed.availableSizes(), QList<QSize>{QSize(18, 18)});

    // The disabled look of the program's own icons has no colour left.
    const QImage disabled =
        AppIcons::windowIcon(0).pixmap(QSize(16, 16), 1.0, QIcon::Disabled).toImage();
    int seen = 0;
    for (int y = 0; y < disabled.height(); ++y) {
        for (int x = 0; x < disabled.width(); ++x) {
            const QColor c = disabled.pixelColor(x, y);
            if (c.alpha() == 0)
                continue;
            ++seen;
            EXPECT_LE(std::abs(c.red() - c.green()) + std::abs(c.green() - c.blue()), 2)
                << "no colour left at " << x << "," << y;
        }
    }
    EXPECT_GT(seen, 40);

    // The application icon offers only the sizes a window needs; larger
    // pictures are still drawn on request.
    EXPECT_LE(AppIcons::appIcon().availableSizes().last().width(), 64);
}
