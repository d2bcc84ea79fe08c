// Toolbar, tab, menu and button pictures: counts, sizes, visible content and
// the looks of their states.
#include "ImageChecks.h"

#include "res/images/ButtonImages.h"
#include "res/images/ExplorerTabImages.h"
#include "res/images/MenuImages.h"
#include "res/images/ToolbarImages.h"
#include "res/images/WindowBarImages.h"

#include <gtest/gtest.h>

#include <QSet>

#include <cmath>
#include <functional>
#include <limits>

using namespace res;
using namespace imagecheck;

namespace {

// Every index of a family gives a visible picture of the stated size, no two
// pictures are alike, and the indexes just outside give nothing.
void expectFamily(int count, QSize size, const std::function<QPixmap(int)>& image) {
    for (int i = 0; i < count; ++i) {
        const QPixmap pixmap = image(i);
        ASSERT_FALSE(pixmap.isNull()) << "index " << i;
        EXPECT_EQ(pixmap.size(), size) << "index " << i;
        EXPECT_GT(opaqueCount(pixmap), size.width() * size.height() / 8) << "index " << i;
        for (int j = 0; j < i; ++j)
            EXPECT_FALSE(samePixels(pixmap, image(j))) << "indexes " << j << " and " << i;
    }
    EXPECT_TRUE(image(-1).isNull());
    EXPECT_TRUE(image(count).isNull());
}

} // namespace

TEST(ToolbarImagesTest, ThirtyThreeDistinctVisiblePicturesOf18Pixels) {
    expectFamily(33, QSize(18, 18), [](int i) { return ToolbarImages::image(i); });
}

TEST(ToolbarImagesTest, DisabledLookHasNoColourAndHotLookDiffers) {
    for (int i = 0; i < ToolbarImages::kCount; ++i) {
        const QPixmap normal = ToolbarImages::image(i);
        const QPixmap disabled = ToolbarImages::image(i, ImageState::Disabled);
        EXPECT_EQ(maxSaturation(disabled), 0) << "index " << i;
        EXPECT_GT(opaqueCount(disabled), 0) << "index " << i;
        EXPECT_FALSE(samePixels(normal, ToolbarImages::image(i, ImageState::Hot))) << i;
    }
    // The colourful pictures really are colourful in the normal look.
    EXPECT_GT(maxSaturation(ToolbarImages::image(ToolbarImages::Stop)), 150);
}

TEST(ToolbarImagesTest, IconCarriesAllStatesAndBothRatios) {
    const QIcon icon = ToolbarImages::icon(ToolbarImages::Back);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(QSize(18, 18), 2.0).size(), QSize(36, 36));
    EXPECT_EQ(maxSaturation(icon.pixmap(QSize(18, 18), 1.0, QIcon::Disabled)), 0);
    EXPECT_TRUE(ToolbarImages::icon(33).isNull());
    EXPECT_TRUE(ToolbarImages::themeName(-1).isEmpty());
    EXPECT_EQ(ToolbarImages::themeName(ToolbarImages::Back), QStringLiteral("go-previous"));
    // Without the theme the drawn picture is used even where a name exists.
    EXPECT_TRUE(samePixels(ToolbarImages::icon(ToolbarImages::Back, false).pixmap(18, 18),
                           ToolbarImages::image(ToolbarImages::Back)));
}

TEST(WindowBarImagesTest, TwentyDistinctPicturesOf16Pixels) {
    expectFamily(20, QSize(16, 16), [](int i) { return WindowBarImages::image(i); });
}

TEST(WindowBarImagesTest, LoadingGaugeFillsStepByStep) {
    int previous = -1;
    for (int step = 0; step < WindowBarImages::kProgressSteps; ++step) {
        const int filled = bluishCount(WindowBarImages::image(step).toImage());
        EXPECT_GT(filled, previous) << "step " << step;
        previous = filled;
    }
}

TEST(WindowBarImagesTest, LockedPicturesShowTheLockAndStillTellTheSteps) {
    // The padlock's amber body appears only in the locked half.
    const auto amberCount = [](const QPixmap& pixmap) {
        const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                count += (qAlpha(p) > 200 && qRed(p) > 200 && qBlue(p) < 80) ? 1 : 0;
            }
        return count;
    };
    for (int i = 0; i < WindowBarImages::kLockOffset; ++i) {
        const QPixmap plain = WindowBarImages::image(i);
        const QPixmap locked = WindowBarImages::image(i + WindowBarImages::kLockOffset);
        EXPECT_EQ(amberCount(plain), 0) << "image " << i;
        EXPECT_GE(amberCount(locked), 6) << "image " << i;
    }
    // The lock hides none of the gauge: locked steps fill up as unlocked ones do.
    int previous = -1;
    for (int step = 0; step < WindowBarImages::kProgressSteps; ++step) {
        const int filled =
            bluishCount(WindowBarImages::image(step + WindowBarImages::kLockOffset).toImage());
        EXPECT_GT(filled, previous) << "step " << step;
        previous = filled;
    }
}

TEST(MenuAndExplorerTabImagesTest, CountsAndSizes) {
    expectFamily(2, QSize(16, 16), [](int i) { return MenuImages::image(i); });
    expectFamily(3, QSize(16, 16), [](int i) { return ExplorerTabImages::image(i); });
    EXPECT_EQ(MenuImages::icon(MenuImages::Link).pixmap(QSize(16, 16), 2.0).size(), QSize(32, 32));
}

TEST(ButtonImagesTest, EveryBitmapIdHasItsOwnButton) {
    QSet<int> seen;
    for (const int bitmap : {207, 170, 146, 174, 175, 176, 181, 182, 183, 184, 185, 186, 187, 188,
                             189, 190}) {
        const int id = ButtonImages::forBitmap(bitmap);
        ASSERT_GE(id, 0) << bitmap;
        EXPECT_FALSE(seen.contains(id)) << bitmap;
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), ButtonImages::kCount);
    for (const int unknown : {0, 145, 171, 180, 191, 206, 208})
        EXPECT_EQ(ButtonImages::forBitmap(unknown), -1) << unknown;
    // Spot checks of the organizer's numbering.
    EXPECT_EQ(ButtonImages::forBitmap(189), ButtonImages::NewGroup);
    EXPECT_EQ(ButtonImages::forBitmap(182), ButtonImages::DeleteLink);
    EXPECT_EQ(ButtonImages::forBitmap(185), ButtonImages::GroupDown);
}

TEST(ButtonImagesTest, FramesStripsAndStates) {
    for (int id = 0; id < ButtonImages::kCount; ++id) {
        const QSize size = ButtonImages::frameSize(id);
        ASSERT_FALSE(size.isEmpty()) << id;
        const QPixmap normal = ButtonImages::frame(id, ImageState::Normal);
        EXPECT_EQ(normal.size(), size) << id;
        EXPECT_GT(opaqueCount(normal), 0) << id;
        EXPECT_FALSE(samePixels(normal, ButtonImages::frame(id, ImageState::Hot))) << id;
        EXPECT_FALSE(samePixels(ButtonImages::frame(id, ImageState::Hot),
                                ButtonImages::frame(id, ImageState::Pressed)))
            << id;
        const QPixmap disabled = ButtonImages::frame(id, ImageState::Disabled);
        EXPECT_GT(opaqueCount(disabled), 0) << id;
        EXPECT_EQ(maxSaturation(disabled), 0) << id;
        EXPECT_EQ(ButtonImages::strip(id).size(), QSize(size.width() * 4, size.height())) << id;
        EXPECT_EQ(ButtonImages::strip(id, 2.0).size(), QSize(size.width() * 8, size.height() * 2));
    }
    EXPECT_EQ(ButtonImages::frameSize(ButtonImages::TabClose), QSize(14, 14));
    EXPECT_TRUE(ButtonImages::frame(ButtonImages::kCount, ImageState::Normal).isNull());
    EXPECT_TRUE(ButtonImages::strip(-1).isNull());
    EXPECT_TRUE(ButtonImages::icon(-1).isNull());
}

TEST(ImageRatioTest, RatioTwoDoublesThePixelsAndKeepsTheLogicalSize) {
    const QPixmap toolbar = ToolbarImages::image(ToolbarImages::Home, ImageState::Normal, 2.0);
    EXPECT_EQ(toolbar.size(), QSize(36, 36));
    EXPECT_EQ(toolbar.devicePixelRatio(), 2.0);
    EXPECT_EQ(logicalSize(toolbar), QSize(18, 18));
    EXPECT_EQ(ToolbarImages::image(0, ImageState::Disabled, 2.0).size(), QSize(36, 36));
    EXPECT_EQ(ToolbarImages::image(0, ImageState::Disabled, 2.0).devicePixelRatio(), 2.0);
    const QPixmap tab = WindowBarImages::image(14, 2.0);
    EXPECT_EQ(tab.size(), QSize(32, 32));
    EXPECT_GT(opaqueCount(tab), opaqueCount(WindowBarImages::image(14)) * 3);
    EXPECT_EQ(ButtonImages::frame(ButtonImages::Go, ImageState::Pressed, 2.0).size(),
              ButtonImages::frameSize(ButtonImages::Go) * 2);
    EXPECT_EQ(ToolbarImages::image(5, ImageState::Normal, 1.5).size(), QSize(27, 27));
}

TEST(ImageRatioTest, UnusableRatiosDrawAtOneAndHugeOnesAreCapped) {
    for (const qreal bad : {0.0, -2.0, std::numeric_limits<qreal>::quiet_NaN()})
        EXPECT_EQ(ToolbarImages::image(0, ImageState::Normal, bad).size(), QSize(18, 18));
    EXPECT_EQ(WindowBarImages::image(0, 100.0).size(), QSize(64, 64));
}
