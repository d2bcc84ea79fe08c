#include "app/SessionKeeper.h"

#include "app/CAppSettings.h"
#include "app/SessionKeyPath.h"
#include "app/SettingsPaths.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"

#include <QTimer>

using platform::RegKey;

SessionKeeper::SessionKeeper(std::int32_t mainWindowId, platform::Registry* registry,
                             QObject* parent)
    : QObject(parent), mainWindowId_(mainWindowId), registry_(registry),
      record_(SessionKeyPath(mainWindowId), registry), soon_(new QTimer(this)) {
    soon_->setSingleShot(true);
    soon_->setInterval(0);
    connect(soon_, &QTimer::timeout, this, &SessionKeeper::Save);
}

SessionKeeper::~SessionKeeper() = default;

void SessionKeeper::SetWindowSource(WindowSource source, LinkGroup* current) {
    windows_ = std::move(source);
    current_ = current;
}

void SessionKeeper::SetClosingCheck(std::function<bool()> closing) {
    closing_ = std::move(closing);
}

void SessionKeeper::Save() {
    soon_->stop();
    if (held_ > 0) {
        pending_ = true;
        return;
    }
    writeNow();
}

void SessionKeeper::SaveSoon() {
    if (held_ > 0) {
        pending_ = true;
        return;
    }
    if (!soon_->isActive())
        soon_->start();
}

void SessionKeeper::Hold() {
    ++held_;
}

void SessionKeeper::Release() {
    if (held_ == 0 || --held_ > 0)
        return;
    if (pending_)
        Save();
}

void SessionKeeper::writeNow() {
    pending_ = false;
    if ((closing_ && closing_()) || !windows_)
        return;
    const LinkGroup group = SessionRecord::MakeGroup(windows_());
    // A record that cannot be written is not written; the next change tries
    // again with a whole rewrite.
    record_.Write(group);
    if (current_)
        *current_ = group;
}

void SessionKeeper::WriteExitMark(int flag) {
    {
        const RegKey session = RegKey::create(platform::RegRoot::CurrentUser, record_.keyPath(),
                                              nullptr, registry_);
        if (session)
            session.setDword(QStringLiteral("NormalExit"), static_cast<std::uint32_t>(flag));
    }
    // The next record removes the mark again (absent counts as 0).
    record_.NoteForeignValue(QStringLiteral("NormalExit"));
    const RegKey settings = RegKey::create(platform::RegRoot::CurrentUser,
                                           QString::fromUtf16(kSettingsKeyPath), nullptr, registry_);
    if (settings)
        settings.setDword(QString::fromUtf16(kLastSessionValue),
                          static_cast<std::uint32_t>(mainWindowId_));
}

void SessionKeeper::ScanSessions(CAppSettings& settings, SessionScanner::RunningCheck isRunning) {
    const SessionScanner scanner(mainWindowId_, record_.written(), std::move(isRunning), registry_);
    const SessionScanner::Result result = scanner.Scan(&settings.CrashedSession);
    crashedKeys_ += result.crashedKeys;
    if (result.crashFound)
        settings.NormalExit = false;
}

QStringList SessionKeeper::AddressesToReopen(const LinkGroup& crashed,
                                             QStringList alreadyOpening) {
    QStringList addresses;
    for (const LinkGroupLink& link : crashed.Links) {
        if (link.URL.isEmpty() || alreadyOpening.removeOne(link.URL))
            continue;
        addresses << link.URL;
    }
    return addresses;
}

void SessionKeeper::ResolveCrash(const LinkGroup& restored, bool restore) {
    platform::RegTransaction tx(registry_);
    if (restore) {
        LinkGroup seed = restored;
        seed.Name = QStringLiteral("Session");
        seed.Startup = 0;
        seed.Separator = 0;
        record_.Write(seed);
    }
    if (SessionScanner::ForgetCrashed(crashedKeys_, registry_) == platform::ERROR_SUCCESS &&
        tx.commit() == platform::ERROR_SUCCESS)
        crashedKeys_.clear();
    else
        record_.Invalidate();
}
