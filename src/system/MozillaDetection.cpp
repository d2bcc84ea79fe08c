#include "system/MozillaDetection.h"

#include "platform/registry/RegKey.h"
#include "system/ComLibrary.h"
#include "system/MozillaControl.h"
#include "system/RegistryRead.h"

#include <QFileInfo>

namespace {

using platform::RegKey;
using platform::RegRoot;

// Longest key name and directory the registry steps take.
constexpr qsizetype kMaxRegistryText = 255;

const char16_t* const kProductKeys[] = {
    u"Software\\Mozilla\\Seamonkey",
    u"Software\\Netscape\\Netscape 6",
    u"Software\\Mozilla\\Mozilla Seamonkey",
};

// The name of the first subkey of path below HKEY_LOCAL_MACHINE.
std::optional<QString> firstSubkey(const QString& path, platform::Registry* registry) {
    const RegKey key = RegKey::open(RegRoot::LocalMachine, path, nullptr, registry);
    QString name;
    if (!key || key.enumKey(0, &name) != platform::ERROR_SUCCESS || name.isEmpty() ||
        name.size() > kMaxRegistryText)
        return std::nullopt;
    return name;
}

std::optional<QString> installDirectory(const QString& path, platform::Registry* registry) {
    auto folder =
        readRegistryString(RegRoot::LocalMachine, path, QStringLiteral("Install Directory"), registry);
    if (!folder || folder->isEmpty() || folder->size() > kMaxRegistryText)
        return std::nullopt;
    return folder;
}

} // namespace

bool FolderHasMozillaControl(const QString& folder) {
    return QFileInfo(folder + QLatin1Char('/') + QString::fromUtf16(kMozillaControlFile)).isFile() ||
           QFileInfo(folder + QLatin1Char('/') + QString::fromUtf16(kMozillaControlOtherFile))
               .isFile();
}

bool RegisterMozillaControlFrom(const QString& folder) {
    return RegisterComLibraryFrom(folder, QString::fromUtf16(kMozillaControlFile),
                                  QString::fromUtf16(kMozillaControlOtherFile));
}

MozillaDetector::MozillaDetector(QString pluginFolder, ChooseFolder chooseFolder,
                                 RegisterFrom registerFrom, platform::Registry* registry)
    : pluginFolder_(std::move(pluginFolder)), chooseFolder_(std::move(chooseFolder)),
      registerFrom_(std::move(registerFrom)), registry_(registry) {}

MozillaDetection MozillaDetector::Detect() {
    MozillaDetection result;
    std::optional<QString> name = fromPluginFolder();
    if (!name)
        name = fromGeckoRuntime();
    if (!name)
        name = fromProductKeys();
    if (!name && chooseFolder_) {
        const std::optional<QString> folder = chooseFolder_();
        if (!folder)
            result.cancelled = true;
        else if (registerFrom_(*folder))
            name = QStringLiteral("Unknown version of Mozilla or Netscape");
    }
    result.found = name.has_value();
    result.displayName = name.value_or(QString());
    return result;
}

std::optional<QString> MozillaDetector::fromPluginFolder() {
    if (pluginFolder_.isEmpty() || !FolderHasMozillaControl(pluginFolder_) ||
        !registerFrom_(pluginFolder_))
        return std::nullopt;
    const auto name = readRegistryString(
        RegRoot::ClassesRoot, QStringLiteral("CLSID\\") + QString::fromUtf16(kMozillaControlClsid),
        QString(), registry_);
    return name && !name->isEmpty() ? *name : QStringLiteral("WebKitGTK");
}

std::optional<QString> MozillaDetector::fromGeckoRuntime() {
    const QString gre = QStringLiteral("SOFTWARE\\mozilla.org\\GRE");
    const std::optional<QString> version = firstSubkey(gre, registry_);
    if (!version)
        return std::nullopt;
    const auto folder =
        installDirectory(gre + QLatin1Char('\\') + *version + QStringLiteral("\\Main"), registry_);
    if (!folder || !registerFrom_(*folder))
        return std::nullopt;
    const auto product = firstSubkey(QStringLiteral("SOFTWARE\\mozilla.org\\Mozilla"), registry_);
    if (!product)
        return std::nullopt;
    return QStringLiteral("Mozilla ") + *product;
}

std::optional<QString> MozillaDetector::fromProductKeys() {
    for (const char16_t* keyPath : kProductKeys) {
        const QString key = QString::fromUtf16(keyPath);
        const auto version = readRegistryString(RegRoot::LocalMachine, key,
                                                QStringLiteral("CurrentVersion"), registry_);
        if (!version)
            continue;
        const QString product = key.section(QLatin1Char('\\'), -1);
        const QString name = product.startsWith(QLatin1String("Seamonkey"))
                                 ? QStringLiteral("Mozilla ") + *version
                                 : product + QLatin1Char(' ') + *version;
        auto folder = installDirectory(
            key + QLatin1Char('\\') + *version + QStringLiteral("\\Main"), registry_);
        if (!folder)
            continue;
        if (folder->endsWith(QLatin1Char('/')) || folder->endsWith(QLatin1Char('\\')))
            folder->chop(1);
        if (registerFrom_(*folder))
            return name;
    }
    return std::nullopt;
}
