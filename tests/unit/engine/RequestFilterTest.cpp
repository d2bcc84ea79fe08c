// What the download-control flags and the offline state let a page load.
#include "browser/engine/RequestFilter.h"
#include "browser/IBrowserEngine.h"
#include "browser/engine/EngineZoom.h"

#include <gtest/gtest.h>

namespace {

const QUrl kPage(QStringLiteral("http://example.test/index.html"));
const QUrl kLocal(QStringLiteral("file:///tmp/page.html"));

TEST(RequestFilter, OfflineRefusesEveryNetworkRequestAndNothingLocal) {
    for (const char* address : {"http://a.test/", "https://a.test/x", "ftp://a.test/f",
                                "ws://a.test/s", "WSS://a.test/s", "HTTP://A.TEST/"}) {
        const QUrl url(QString::fromLatin1(address));
        EXPECT_TRUE(IsNetworkUrl(url)) << address;
        EXPECT_TRUE(RequestBlocked(dlctl::Default, RequestKind::Document, url, true)) << address;
        EXPECT_FALSE(RequestBlocked(dlctl::Default, RequestKind::Document, url, false)) << address;
    }
    for (const char* address : {"file:///tmp/a.html", "about:blank", "data:text/html,x",
                                "view-source:http://a.test/", "qrc:/x"}) {
        const QUrl url(QString::fromLatin1(address));
        EXPECT_FALSE(IsNetworkUrl(url)) << address;
        EXPECT_FALSE(RequestBlocked(dlctl::Default, RequestKind::Document, url, true)) << address;
    }
}

TEST(RequestFilter, DefaultFlagsLoadEverything) {
    for (RequestKind kind : {RequestKind::Document, RequestKind::Image, RequestKind::Media,
                             RequestKind::Object, RequestKind::Other}) {
        EXPECT_FALSE(RequestBlocked(dlctl::Default, kind, kPage, false));
        EXPECT_FALSE(RequestBlocked(dlctl::Default, kind, QUrl("http://a.test/applet.jar"), false));
    }
}

TEST(RequestFilter, ImagesNeedTheirBit) {
    EXPECT_TRUE(RequestBlocked(dlctl::Default & ~dlctl::Images, RequestKind::Image, kPage, false));
    EXPECT_FALSE(RequestBlocked(dlctl::Images, RequestKind::Image, kLocal, false));
    // Other kinds are not touched by the image bit.
    EXPECT_FALSE(RequestBlocked(0, RequestKind::Other, kPage, false));
    EXPECT_FALSE(RequestBlocked(0, RequestKind::Document, kPage, false));
}

TEST(RequestFilter, SoundFilesFollowTheSoundBitAndOtherMediaTheVideoBit) {
    const QUrl sound(QStringLiteral("http://a.test/music/Theme.MID?x=1"));
    const QUrl mp3(QStringLiteral("http://a.test/a.mp3"));
    const QUrl video(QStringLiteral("http://a.test/clip.webm"));
    const QUrl unnamed(QStringLiteral("http://a.test/stream"));
    const std::uint32_t noSound = dlctl::Default & ~dlctl::BackgroundSounds;
    const std::uint32_t noVideo = dlctl::Default & ~dlctl::Videos;
    EXPECT_TRUE(RequestBlocked(noSound, RequestKind::Media, sound, false));
    EXPECT_TRUE(RequestBlocked(noSound, RequestKind::Media, mp3, false));
    EXPECT_FALSE(RequestBlocked(noSound, RequestKind::Media, video, false));
    EXPECT_FALSE(RequestBlocked(noVideo, RequestKind::Media, sound, false));
    EXPECT_TRUE(RequestBlocked(noVideo, RequestKind::Media, video, false));
    EXPECT_TRUE(RequestBlocked(noVideo, RequestKind::Media, unnamed, false));
}

TEST(RequestFilter, JavaAndOtherPlugInsHaveTheirOwnBits) {
    const QUrl jar(QStringLiteral("http://a.test/Applet.JAR"));
    const QUrl cls(QStringLiteral("http://a.test/Main.class"));
    const QUrl control(QStringLiteral("http://a.test/movie.swf"));
    EXPECT_TRUE(RequestBlocked(dlctl::Default | dlctl::NoJava, RequestKind::Object, jar, false));
    EXPECT_TRUE(RequestBlocked(dlctl::Default | dlctl::NoJava, RequestKind::Object, cls, false));
    EXPECT_FALSE(
        RequestBlocked(dlctl::Default | dlctl::NoJava, RequestKind::Object, control, false));
    EXPECT_TRUE(
        RequestBlocked(dlctl::Default | dlctl::NoActiveX, RequestKind::Object, control, false));
    EXPECT_FALSE(
        RequestBlocked(dlctl::Default | dlctl::NoActiveX, RequestKind::Object, jar, false));
}

TEST(EngineZoom, FiveLevelsGrowAndMediumIsActualSize) {
    EXPECT_DOUBLE_EQ(enginezoom::FactorForLevel(enginezoom::kMediumLevel), 1.0);
    for (int level = 1; level < enginezoom::kLevelCount; ++level)
        EXPECT_GT(enginezoom::FactorForLevel(level), enginezoom::FactorForLevel(level - 1));
    EXPECT_FALSE(enginezoom::IsLevel(-1));
    EXPECT_FALSE(enginezoom::IsLevel(5));
    EXPECT_DOUBLE_EQ(enginezoom::FactorForLevel(99), 1.0);
}

} // namespace
