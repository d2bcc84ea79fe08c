// The installed program: cmake --install into a private prefix, the files a
// desktop expects, the installed program started with a page, and the
// Debian package built from the same tree.
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QUrl>

#include <csignal>

using namespace platform;

namespace {

struct Result {
    int exitCode = -1;
    QString output;
};

Result run(const QString& program, const QStringList& arguments, int timeoutMs = 240000) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Result result;
    if (!process.waitForStarted(10000))
        return result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        return result;
    }
    result.output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    return result;
}

bool have(const char* tool) {
    return !QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty();
}

// One installation shared by the tests of this file (installing takes a few
// seconds); made on first use.
const QString& installedPrefix() {
    static const QString prefix = [] {
        const QString dir = testenv::freshDir("prefix");
        const Result installed =
            run(QStringLiteral(QUORRELIN_CMAKE),
                {"--install", QStringLiteral(QUORRELIN_BINARY_DIR), "--prefix", dir});
        EXPECT_EQ(installed.exitCode, 0) << installed.output.toStdString();
        return dir;
    }();
    return prefix;
}

class InstallTest : public ::testing::Test {
protected:
    void SetUp() override {
        testenv::useFreshRegistry();
        qputenv("QUORRELIN_SCRIPTED_DIALOGS", "1");
        const RegKey settings =
            RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kSettingsKeyPath));
        settings.setDword("CheckDefaultBrowser", 0);
        settings.setDword("ConfirmExitApp", 0);
    }
};

// Lists the windows whose title holds text, "" when none (xdotool exits 1).
QString windowsNamed(const QString& text) {
    return run(QStringLiteral("xdotool"), {"search", "--name", text}, 5000).output.trimmed();
}

} // namespace

TEST_F(InstallTest, TheTreeHoldsWhatADesktopExpects) {
    const QString prefix = installedPrefix();
    for (const char* file :
         {"bin/quorrelin", "bin/quorrelin-reg", "lib/quorrelin/quorrelin-browser",
          "share/applications/quorrelin.desktop",
          "share/metainfo/org.example.quorrelin.metainfo.xml",
          "share/icons/hicolor/scalable/apps/quorrelin.svg", "share/man/man1/quorrelin.1.gz",
          "share/man/man1/quorrelin-reg.1.gz", "share/doc/quorrelin/copyright"})
        EXPECT_TRUE(QFile::exists(prefix + "/" + file)) << file;
    for (const int size : {16, 32, 48, 64, 128, 256}) {
        const QString png =
            QStringLiteral("%1/share/icons/hicolor/%2x%2/apps/quorrelin.png").arg(prefix).arg(size);
        QImage image(png);
        EXPECT_EQ(image.size(), QSize(size, size)) << png.toStdString();
    }

    if (have("desktop-file-validate")) {
        const Result valid = run("desktop-file-validate",
                                 {prefix + "/share/applications/quorrelin.desktop"});
        EXPECT_EQ(valid.exitCode, 0) << valid.output.toStdString();
        EXPECT_EQ(valid.output.trimmed(), QString()) << "hints count as faults here";
    }
    if (have("appstreamcli")) {
        const Result valid =
            run("appstreamcli", {"validate", "--no-net",
                                 prefix + "/share/metainfo/org.example.quorrelin.metainfo.xml"});
        EXPECT_EQ(valid.exitCode, 0) << valid.output.toStdString();
    }
}

TEST_F(InstallTest, TheInstalledProgramOpensAPage) {
    if (qEnvironmentVariableIsEmpty("DISPLAY"))
        GTEST_SKIP() << "needs the test command's X server";
    const QString prefix = installedPrefix();
    const QString page = testenv::freshDir("pages") + "/installed.html";
    const QString title = QStringLiteral("Installed page %1").arg(QCoreApplication::applicationPid());
    {
        QFile file(page);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body>ok</body></html>")
                       .arg(title)
                       .toUtf8());
    }
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedChannels);
    program.start(prefix + "/bin/quorrelin", {QUrl::fromLocalFile(page).toString()});
    ASSERT_TRUE(program.waitForStarted(10000));

    QElapsedTimer timer;
    timer.start();
    bool titled = false;
    while (!titled && timer.elapsed() < 60000 && program.state() == QProcess::Running) {
        titled = !windowsNamed(title).isEmpty();
        if (!titled)
            QThread::msleep(200);
    }
    EXPECT_TRUE(titled) << "no window showed the page's title";
    // The title can show before start-up has set up its handling of
    // termination; let it finish starting.
    QThread::msleep(1500);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
}

TEST_F(InstallTest, TheInstalledSearchHookTranslatesQuickCommands) {
    const QString prefix = installedPrefix();
    const QString host = prefix + "/bin/quorrelin-search";
    const QString hook = prefix + "/lib/quorrelin/QuorrelinSearch.so";
    ASSERT_TRUE(QFile::exists(host));
    ASSERT_TRUE(QFile::exists(hook));
    const RegKey command = RegKey::create(
        RegRoot::CurrentUser,
        QString::fromUtf16(kSettingsKeyPath) + "\\QuickCommands\\QuickCommand0");
    command.setString("Title", "gs");
    command.setString("Command", "gs");
    command.setDword("Type", 1);
    command.setString("URL", "http://s.example/?q=%s");

    ASSERT_EQ(run(host, {"--register", hook}).exitCode, 0);
    const Result translated = run(host, {"gs", "cats"});
    EXPECT_EQ(translated.exitCode, 0);
    EXPECT_EQ(translated.output.trimmed(), "http://s.example/?q=cats");
    EXPECT_EQ(run(host, {"--unregister", hook}).exitCode, 0);
    EXPECT_EQ(run(host, {"gs", "cats"}).exitCode, 1);
}

TEST_F(InstallTest, TheDebianPackageHoldsTheProgramAndNamesItsDependencies) {
    if (!have("dpkg-deb") || !have("dpkg-shlibdeps"))
        GTEST_SKIP() << "dpkg-deb and dpkg-shlibdeps are needed to build a package";
    const QString out = testenv::freshDir("package");
    const Result packed =
        run(QStringLiteral(QUORRELIN_CPACK),
            {"-G", "DEB", "--config", QStringLiteral(QUORRELIN_BINARY_DIR "/CPackConfig.cmake"),
             "-B", out});
    ASSERT_EQ(packed.exitCode, 0) << packed.output.toStdString();
    const QStringList debs = QDir(out).entryList({"quorrelin_*.deb"}, QDir::Files);
    ASSERT_EQ(debs.size(), 1) << packed.output.toStdString();
    const QString deb = out + "/" + debs.first();

    const Result contents = run("dpkg-deb", {"--contents", deb});
    ASSERT_EQ(contents.exitCode, 0);
    for (const char* file :
         {"./usr/bin/quorrelin", "./usr/bin/quorrelin-reg", "./usr/bin/quorrelin-search",
          "./usr/lib/quorrelin/QuorrelinSearch.so", "./usr/lib/quorrelin/quorrelin-splash",
          "./usr/lib/quorrelin/quorrelin-browser",
          "./usr/share/applications/quorrelin.desktop",
          "./usr/share/icons/hicolor/48x48/apps/quorrelin.png",
          "./usr/share/doc/quorrelin/copyright"})
        EXPECT_TRUE(contents.output.contains(QString::fromLatin1(file))) << file;

    const Result depends = run("dpkg-deb", {"--field", deb, "Depends"});
    EXPECT_TRUE(depends.output.contains("libqt6webenginecore6")) << depends.output.toStdString();
    EXPECT_TRUE(depends.output.contains("libc6")) << "shared-library dependencies are computed";
    EXPECT_FALSE(depends.output.contains("webkit")) << "the second engine is only recommended";

    if (have("lintian")) {
        const Result lint = run("lintian", {"--fail-on", "error", deb});
        EXPECT_EQ(lint.exitCode, 0) << lint.output.toStdString();
    }
}
