// The splash program on the X server: where it appears, that its strip
// moves, and every way it closes.
#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <QImage>
#include <QProcess>
#include <QThread>

namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return process.readAllStandardOutput();
}

class SplashPainterTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            GTEST_SKIP() << "needs an X server";
        painter.setProgram(QStringLiteral(QUORRELIN_SPLASH));
        painter.start();
        ASSERT_TRUE(painter.waitForStarted(5000));
        window = findWindow();
        ASSERT_FALSE(window.isEmpty()) << "the splash window never appeared";
    }
    void TearDown() override {
        if (painter.state() != QProcess::NotRunning) {
            painter.kill();
            painter.waitForFinished(5000);
        }
    }

    static QString findWindow() {
        for (QDeadlineTimer deadline(5000); !deadline.hasExpired(); QThread::msleep(20)) {
            const QByteArray found = run("xdotool", {"search", "--onlyvisible", "--classname",
                                                     "quorrelin-splash"});
            if (!found.trimmed().isEmpty())
                return QString::fromLatin1(found.trimmed().split('\n').first());
        }
        return {};
    }
    QImage capture() const {
        return QImage::fromData(run("import", {"-window", window, "png:-"}))
            .convertToFormat(QImage::Format_RGB32);
    }
    bool ended() { return painter.waitForFinished(3000) && painter.exitCode() == 0; }

    QProcess painter;
    QString window;
};

int value(const QByteArray& shell, const char* name) {
    for (const QByteArray& line : shell.split('\n'))
        if (line.startsWith(QByteArray(name) + '='))
            return line.mid(int(qstrlen(name)) + 1).toInt();
    return -1;
}

} // namespace

TEST_F(SplashPainterTest, AppearsCentredAtThePicturesSizeAndItsStripMovesAlone) {
    const QByteArray geometry = run("xdotool", {"getwindowgeometry", "--shell", window});
    EXPECT_EQ(value(geometry, "WIDTH"), 452);
    EXPECT_EQ(value(geometry, "HEIGHT"), 300);
    const QList<QByteArray> screen = run("xdotool", {"getdisplaygeometry"}).trimmed().split(' ');
    ASSERT_EQ(screen.size(), 2);
    EXPECT_EQ(value(geometry, "X"), (screen[0].toInt() - 452) / 2);
    EXPECT_EQ(value(geometry, "Y"), (screen[1].toInt() - 300) / 2);

    const QImage first = capture();
    QThread::msleep(150);
    const QImage second = capture();
    ASSERT_EQ(first.size(), QSize(452, 300));
    ASSERT_EQ(second.size(), first.size());
    // The strip's line changed; above it (the picture and the version
    // text) nothing did; nothing is drawn outside the band.
    int changed = 0;
    for (int x = 0; x < first.width(); ++x) {
        const bool differs = first.pixel(x, 252) != second.pixel(x, 252);
        changed += differs ? 1 : 0;
        if (x < 36 || x >= 416) {
            EXPECT_FALSE(differs) << "column " << x;
        }
    }
    EXPECT_GT(changed, 0) << "the strip did not move";
    EXPECT_EQ(first.copy(0, 0, 452, 240), second.copy(0, 0, 452, 240));
}

TEST_F(SplashPainterTest, TheProgramsCloseRequestEndsIt) {
    painter.write("close\n");
    EXPECT_TRUE(ended());
}

TEST_F(SplashPainterTest, TheEndOfItsInputEndsIt) {
    painter.closeWriteChannel();
    EXPECT_TRUE(ended());
}

TEST_F(SplashPainterTest, ALeftClickEndsIt) {
    run("xdotool", {"mousemove", "--window", window, "100", "100", "click", "1"});
    EXPECT_TRUE(ended());
}

TEST_F(SplashPainterTest, EscapeEndsIt) {
    run("xdotool", {"key", "--window", window, "Escape"});
    EXPECT_TRUE(ended());
}
