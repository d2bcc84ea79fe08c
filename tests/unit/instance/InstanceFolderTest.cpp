#include "platform/instance/InstanceFolder.h"

#include "InstanceTestSupport.h"
#include "support/TestEnv.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdlib>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

using namespace platform;
using instancetest::modeOf;

namespace {

// Sets or clears an environment variable for one test and restores it.
class EnvOverride {
public:
    EnvOverride(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name))
            old_ = QByteArray(old);
        if (value)
            ::setenv(name, value, 1);
        else
            ::unsetenv(name);
    }
    ~EnvOverride() {
        if (old_)
            ::setenv(name_, old_->constData(), 1);
        else
            ::unsetenv(name_);
    }

private:
    const char* name_;
    std::optional<QByteArray> old_;
};

} // namespace

TEST(InstanceFolder, LocationFollowsTheEnvironment) {
    {
        EnvOverride own("QUORRELIN_RUNTIME_DIR", "/somewhere/own");
        EnvOverride xdg("XDG_RUNTIME_DIR", "/run/user/77");
        EXPECT_EQ(InstanceFolder::location(), QStringLiteral("/somewhere/own"));
    }
    {
        EnvOverride own("QUORRELIN_RUNTIME_DIR", "");
        EnvOverride xdg("XDG_RUNTIME_DIR", "/run/user/77");
        EXPECT_EQ(InstanceFolder::location(), QStringLiteral("/run/user/77/quorrelin"));
    }
    {
        EnvOverride own("QUORRELIN_RUNTIME_DIR", nullptr);
        EnvOverride xdg("XDG_RUNTIME_DIR", "relative/path");
        EXPECT_EQ(InstanceFolder::location(), QStringLiteral("/tmp/quorrelin-%1").arg(::getuid()));
    }
}

TEST(InstanceFolder, EnsureCreatesAPrivateFolderWithItsParents) {
    ::umask(022);
    const QString path = testenv::freshDir("folders") + "/a/b/instances";
    QString error;
    ASSERT_TRUE(InstanceFolder::ensure(path, &error)) << error.toStdString();
    EXPECT_EQ(modeOf(path), 0700);
    EXPECT_EQ(modeOf(QFileInfo(path).path()), 0700);
    // Using it again is fine.
    EXPECT_TRUE(InstanceFolder::ensure(path, &error));

    // Even a umask that would strip the owner's bits does not leave it unusable.
    const QString second = testenv::freshDir("folders") + "/instances";
    ::umask(0277);
    EXPECT_TRUE(InstanceFolder::ensure(second, &error)) << error.toStdString();
    EXPECT_EQ(modeOf(second), 0700);
    ::umask(022);
}

TEST(InstanceFolder, RefusesFoldersOthersCouldUse) {
    const QString base = testenv::freshDir("folders");
    QString error;

    const QString open = base + "/open";
    ASSERT_EQ(::mkdir(QFile::encodeName(open).constData(), 0755), 0);
    ::chmod(QFile::encodeName(open).constData(), 0755);
    EXPECT_FALSE(InstanceFolder::ensure(open, &error));
    EXPECT_TRUE(error.contains("open to other users")) << error.toStdString();
    EXPECT_EQ(modeOf(open), 0755) << "a folder that is refused is left as it is";

    const QString link = base + "/link";
    const QString target = base + "/target";
    ASSERT_TRUE(InstanceFolder::ensure(target));
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_FALSE(InstanceFolder::ensure(link, &error));

    const QString file = base + "/file";
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_FALSE(InstanceFolder::ensure(file, &error));
    EXPECT_FALSE(InstanceFolder::ensure(QString(), &error));
}

TEST(InstanceFolder, RefusesAFolderOfAnotherUser) {
    if (::getuid() != 0)
        GTEST_SKIP() << "needs root to give a folder away";
    const QString path = testenv::freshDir("folders") + "/foreign";
    ASSERT_TRUE(InstanceFolder::ensure(path));
    ASSERT_EQ(::chown(QFile::encodeName(path).constData(), 65534, 65534), 0);
    QString error;
    EXPECT_FALSE(InstanceFolder::ensure(path, &error));
    EXPECT_TRUE(error.contains("another user")) << error.toStdString();
}

TEST(InstanceFolder, SocketNamesAndTheirIds) {
    EXPECT_EQ(InstanceFolder::socketPath("/f", 1234), QStringLiteral("/f/1234.sock"));
    EXPECT_EQ(InstanceFolder::idFromSocketName("1234.sock"), 1234);
    EXPECT_EQ(InstanceFolder::idFromSocketName("2147483647.sock"), 2147483647);
    for (const char* name :
         {"0.sock", "0012.sock", "-5.sock", "2147483648.sock", "99999999999.sock", ".sock",
          "12.sock.new", ".12.new", "12", "12a.sock", " 12.sock", "12.SOCK"})
        EXPECT_FALSE(InstanceFolder::idFromSocketName(name)) << name;
}
