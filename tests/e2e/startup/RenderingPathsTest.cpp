// The same page drawn by the program started in software and in OpenGL
// rendering: the page's pixels must agree.
#include "ProgramProcess.h"
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>
#include <QTemporaryDir>
#include <QUrl>

#include <optional>

namespace {

constexpr QRgb kPageColour = 0xffffee00;

// The X window whose name holds title, once there is one.
std::optional<WId> windowNamed(const QString& title, int timeoutMs) {
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        QProcess search;
        search.start(QStringLiteral("xdotool"),
                     {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"), title});
        search.waitForFinished(5000);
        const QList<QByteArray> ids = search.readAllStandardOutput().split('\n');
        bool number = false;
        const WId id = ids.value(0).trimmed().toULongLong(&number);
        if (number)
            return id;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(50);
    }
    return std::nullopt;
}

// The part of the shot that the page's background colour covers: the page
// area, cut down to the bounding box of that colour.
QImage pageArea(const QImage& shot) {
    int left = shot.width(), top = shot.height(), right = -1, bottom = -1;
    for (int y = 0; y < shot.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(shot.constScanLine(y));
        for (int x = 0; x < shot.width(); ++x) {
            if (line[x] != kPageColour)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    return right < 0 ? QImage() : shot.copy(left, top, right - left + 1, bottom - top + 1);
}

// Starts the program on url in mode and shoots its page once complete.
QImage pageDrawnIn(const QString& mode, const QString& url) {
    ProgramProcess program({QStringLiteral("--rendering=") + mode, url});
    const std::optional<WId> window = windowNamed(QStringLiteral("RenderProbe"), 60000);
    if (!window)
        return QImage();
    // The title comes before the first frame of the page.
    QThread::msleep(1500);
    const QImage shot = QGuiApplication::primaryScreen()
                            ->grabWindow(*window)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    program.terminate();
    program.waitFinished(10000);
    return pageArea(shot);
}

} // namespace

TEST(RenderingPathsTest, APageLooksTheSameDrawnInSoftwareAndThroughOpenGL) {
    testenv::useFreshRegistry();
    qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
    const auto settings = platform::RegKey::create(platform::RegRoot::CurrentUser,
                                                   QString::fromUtf16(kSettingsKeyPath));
    for (const char* name : {"CheckDefaultBrowser", "ConfirmExitApp", "DisplaySplash"})
        settings.setDword(QString::fromLatin1(name), 0);
    // Each start is the only instance, so each opens its own window.
    settings.setDword(QStringLiteral("MultipleInstance"), 1);
    QTemporaryDir folder;
    QFile page(folder.path() + QStringLiteral("/probe.html"));
    ASSERT_TRUE(page.open(QIODevice::WriteOnly));
    page.write("<html><head><title>RenderProbe</title><style>"
               "body{background:#ffee00;margin:0;font:16px sans-serif}"
               "div{position:absolute;left:30px;top:30px;width:120px;height:60px;"
               "background:#2050c0;border-radius:12px}"
               "p{position:absolute;left:30px;top:110px;color:#a01010}</style></head>"
               "<body><div></div><p>Quick brown fox 0123456789</p></body></html>");
    page.close();
    const QString url = QUrl::fromLocalFile(page.fileName()).toString();

    const QImage software = pageDrawnIn(QStringLiteral("software"), url);
    ASSERT_FALSE(software.isNull()) << "the page did not show in software rendering";
    const QImage hardware = pageDrawnIn(QStringLiteral("hardware"), url);
    if (hardware.isNull())
        GTEST_SKIP() << "OpenGL rendering is not available on this display";

    ASSERT_EQ(software.size(), hardware.size());
    ASSERT_GT(software.width(), 200);
    // Both show the shape and the text; edges may be smoothed a little
    // differently.
    int differing = 0;
    for (int y = 0; y < software.height(); ++y) {
        for (int x = 0; x < software.width(); ++x) {
            const QRgb a = software.pixel(x, y), b = hardware.pixel(x, y);
            if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                    std::abs(qBlue(a) - qBlue(b)) > 48)
                ++differing;
        }
    }
    EXPECT_LT(differing, software.width() * software.height() / 500)
        << differing << " of " << software.width() * software.height() << " pixels differ";
    const QRgb shape = software.pixel(90, 60);
    EXPECT_EQ(shape, hardware.pixel(90, 60));
    EXPECT_NE(shape, kPageColour);
}
