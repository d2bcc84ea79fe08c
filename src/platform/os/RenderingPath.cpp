#include "platform/os/RenderingPath.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>

#include <cstring>

namespace platform {

namespace {

constexpr char kOption[] = "--rendering=";

// Kernel drivers that give a render node without a graphics processor
// behind it: OpenGL on them runs in software anyway.
bool isSoftwareNodeDriver(const QString& driver) {
    return driver == QLatin1String("vgem") || driver == QLatin1String("vkms");
}

bool environmentForcesSoftwareGl() {
    const QByteArray always = qgetenv("LIBGL_ALWAYS_SOFTWARE");
    if (!always.isEmpty() && always != "0" && always.toLower() != "false")
        return true;
    const QByteArray gallium = qgetenv("GALLIUM_DRIVER").toLower();
    if (gallium == "llvmpipe" || gallium == "softpipe" || gallium == "swr")
        return true;
    return qgetenv("QT_QUICK_BACKEND").toLower() == "software";
}

QStringList renderNodeDrivers(const QString& root) {
    QStringList drivers;
    const QDir devices(root + QStringLiteral("/dev/dri"));
    for (const QFileInfo& node :
         devices.entryInfoList({QStringLiteral("renderD*")}, QDir::System | QDir::Files)) {
        if (!node.isReadable() || !node.isWritable())
            continue;
        const QFileInfo driver(root + QStringLiteral("/sys/class/drm/") + node.fileName() +
                               QStringLiteral("/device/driver"));
        drivers << (driver.isSymLink() ? QFileInfo(driver.symLinkTarget()).fileName() : QString());
    }
    return drivers;
}

} // namespace

std::optional<RenderingPath> parseRenderingPath(QStringView text) {
    if (text.compare(QLatin1String("software"), Qt::CaseInsensitive) == 0)
        return RenderingPath::Software;
    if (text.compare(QLatin1String("hardware"), Qt::CaseInsensitive) == 0)
        return RenderingPath::Hardware;
    return std::nullopt;
}

RenderingPath chooseRenderingPath(const RenderingInputs& inputs) {
    if (const auto forced = parseRenderingPath(inputs.option))
        return *forced;
    if (const auto forced = parseRenderingPath(inputs.environment))
        return *forced;
    if (inputs.softwareGlForced)
        return RenderingPath::Software;
    for (const QString& driver : inputs.renderNodeDrivers)
        if (!isSoftwareNodeDriver(driver))
            return RenderingPath::Hardware;
    return RenderingPath::Software;
}

RenderingInputs readRenderingInputs(int argc, const char* const* argv, const QString& root) {
    RenderingInputs inputs;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kOption, sizeof kOption - 1) == 0)
            inputs.option = QString::fromLocal8Bit(argv[i] + sizeof kOption - 1);
    }
    inputs.environment = QString::fromLocal8Bit(qgetenv("QUORRELIN_RENDERING"));
    inputs.softwareGlForced = environmentForcesSoftwareGl();
    inputs.renderNodeDrivers = renderNodeDrivers(root);
    return inputs;
}

} // namespace platform
