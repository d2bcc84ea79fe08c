#include "system/DefaultBrowser.h"

#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "system/CommandRunner.h"
#include "system/DesktopAssociation.h"
#include "system/ProgramFolders.h"
#include "system/RegistryRead.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

bool writeDefault(platform::RegRoot root, const QString& path, const QString& text,
                  platform::Registry* registry) {
    const platform::RegKey key = platform::RegKey::create(root, path, nullptr, registry);
    return key && key.setString(QString(), text) == platform::ERROR_SUCCESS;
}

} // namespace

DefaultBrowser::DefaultBrowser(QString programPath, ICommandRunner* runner,
                               platform::Registry* registry)
    : programPath_(std::move(programPath)), runner_(runner), registry_(registry) {
    // The command users start, not the program it runs: a page opened from
    // elsewhere then reaches a running window through the small launcher.
    if (programPath_.isEmpty()) {
        programPath_ = ProgramFolders().launcherPath();
        if (!QFileInfo(programPath_).isExecutable())
            programPath_ = QCoreApplication::applicationFilePath();
    }
    if (!runner_) {
        ownRunner_ = std::make_unique<ProcessCommandRunner>();
        runner_ = ownRunner_.get();
    }
}

DefaultBrowser::~DefaultBrowser() = default;

QString DefaultBrowser::commandLine() const {
    return QStringLiteral("%1 \"%2\"").arg(programPath_, QStringLiteral("%1"));
}

bool DefaultBrowser::isDefault() const {
    const QString verb = QString::fromUtf16(kVerb);
    const auto root = platform::RegRoot::ClassesRoot;
    const auto command = readRegistryString(
        root, QStringLiteral("htmlfile\\shell\\%1\\command").arg(verb), QString(), registry_);
    if (!command || command->compare(commandLine(), Qt::CaseInsensitive) != 0)
        return false;
    const auto shell =
        readRegistryString(root, QStringLiteral("htmlfile\\shell"), QString(), registry_);
    return shell && shell->compare(verb, Qt::CaseInsensitive) == 0;
}

bool DefaultBrowser::makeDefault() {
    const QString verb = QString::fromUtf16(kVerb);
    const auto root = platform::RegRoot::ClassesRoot;
    bool written = true;
    {
        platform::RegTransaction transaction(registry_);
        for (const char16_t* name : kClasses) {
            const QString shell = QString::fromUtf16(name) + QStringLiteral("\\shell");
            const QString verbKey = shell + u'\\' + verb;
            written =
                written && writeDefault(root, shell, verb, registry_) &&
                writeDefault(root, verbKey, QString::fromUtf16(kVerbText), registry_) &&
                writeDefault(root, verbKey + QStringLiteral("\\command"), commandLine(), registry_);
        }
        written = written && transaction.commit() == platform::ERROR_SUCCESS;
    }
    const ProgramFolders folders(QFileInfo(programPath_).absolutePath());
    desktopRegistered_ = registerDesktopDefault(programPath_, *runner_,
                                                !folders.installedDesktopEntry().isEmpty());
    return written;
}
