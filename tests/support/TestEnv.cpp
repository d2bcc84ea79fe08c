#include "support/TestEnv.h"

#include "platform/registry/Registry.h"

#include <QDir>
#include <QUuid>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <sys/stat.h>

namespace testenv {
namespace {

std::string& rootPath() {
    static std::string path;
    return path;
}

void setEnv(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }

} // namespace

void prepareIsolatedEnvironment() {
    char pattern[] = "/tmp/quorrelin-test-XXXXXX";
    if (!::mkdtemp(pattern))
        throw std::runtime_error("cannot create a temporary folder for the test");
    rootPath() = pattern;
    const std::string r = rootPath();
    for (const char* sub : {"/home", "/config", "/data", "/cache", "/runtime"})
        ::mkdir((r + sub).c_str(), 0700);
    setEnv("HOME", r + "/home");
    setEnv("XDG_CONFIG_HOME", r + "/config");
    setEnv("XDG_DATA_HOME", r + "/data");
    setEnv("XDG_CACHE_HOME", r + "/cache");
    setEnv("XDG_RUNTIME_DIR", r + "/runtime");
    setEnv("QUORRELIN_REGISTRY", r + "/registry.db");
    setEnv("QUORRELIN_RUNTIME_DIR", r + "/runtime/quorrelin");
}

void removeIsolatedEnvironment() {
    if (rootPath().empty() || std::getenv("QUORRELIN_KEEP_TEST_FILES"))
        return;
    QDir(QString::fromStdString(rootPath())).removeRecursively();
}

QString root() { return QString::fromStdString(rootPath()); }

QString freshDir(const QString& name) {
    const QString path = root() + "/" + name + "-" + QUuid::createUuid().toString(QUuid::Id128);
    QDir().mkpath(path);
    return path;
}

QString useFreshRegistry() {
    const QString path = freshDir("registry") + "/registry.db";
    ::setenv("QUORRELIN_REGISTRY", path.toLocal8Bit().constData(), 1);
    platform::Registry::reopenDefault();
    return path;
}

} // namespace testenv
