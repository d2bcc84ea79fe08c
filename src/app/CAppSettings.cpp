#include "app/CAppSettings.h"

#include "app/ClosedWindowEntry.h"
#include "app/IErrorReporter.h"
#include "app/RegStringList.h"
#include "app/SessionKeyPath.h"
#include "app/SettingsPaths.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegSnapshot.h"
#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"
#include "quickcommands/QuickCommandStore.h"
#include "quickcommands/QuickCommandTranslation.h"
#include "system/MozillaControl.h"

#include <algorithm>
#include <span>

using platform::RegError;
using platform::RegKey;

// The scalar options: registry value name, field, default, and the setter
// that validates the value on load. Exactly one of number and text is set.
struct ScalarOptionTable {
    using Setter = void (CAppSettings::*)(int);
    struct Option {
        const char16_t* name;
        int CAppSettings::*number = nullptr;
        int numberDefault = 0;
        Setter setter = nullptr;
        QString CAppSettings::*text = nullptr;
        const char16_t* textDefault = nullptr;
    };

    static constexpr Option Dword(const char16_t* name, int CAppSettings::*field, int byDefault,
                                  Setter setter = nullptr) {
        return {name, field, byDefault, setter};
    }
    static constexpr Option Text(const char16_t* name, QString CAppSettings::*field,
                                 const char16_t* byDefault) {
        return {name, nullptr, 0, nullptr, field, byDefault};
    }

    // Every option but StartMode, in the order Load reads them. Save writes
    // StartMode and then these in the same order.
    static std::span<const Option> inLoadOrder() {
        using S = CAppSettings;
        static const Option options[] = {
            Dword(u"ActivateNewWindow", &S::ActivateNewWindow, 0),
            Text(u"CustomHomepage", &S::CustomHomepage, u"about:blank"),
            Dword(u"ConfirmExitApp", &S::ConfirmExitApp, 1),
            Dword(u"ConfirmSynchronize", &S::ConfirmSynchronize, 1),
            Dword(u"ConfirmCloseAll", &S::ConfirmCloseAll, 1),
            Dword(u"ConfirmCloseAllEx", &S::ConfirmCloseAllEx, 1),
            Dword(u"ConfirmUserClose", &S::ConfirmUserClose, 1),
            Dword(u"ConfirmClearAddress", &S::ConfirmClearAddress, 1),
            Dword(u"ConfirmAddToAutoClose", &S::ConfirmAddToAutoClose, 1),
            Dword(u"ConfirmCloseWindows", &S::ConfirmCloseWindows, 1),
            Dword(u"MaximizeChild", &S::MaximizeChild, 0),
            Dword(u"OpenInNewWindow", &S::OpenInNewWindow, 1),
            Dword(u"MultipleInstance", &S::MultipleInstance, 0),
            Dword(u"CheckDefaultBrowser", &S::CheckDefaultBrowser, 1),
            Dword(u"DisplaySplash", &S::DisplaySplash, 1),
            Dword(u"ActivateMode", &S::ActivateMode, 1),

            Dword(u"OpenWindowType", &S::openWindowType_, 0, &S::SetOpenWindowType),
            Dword(u"ShowGoButton", &S::ShowGoButton, 1),
            Dword(u"AppendNewWindow", &S::AppendNewWindow, 1),
            Dword(u"UseFlatTab", &S::UseFlatTab, 1),
            Dword(u"UseFixedWidthTab", &S::UseFixedWidthTab, 1),
            Dword(u"TabWidth", &S::tabWidth_, 90, &S::SetTabWidth),
            Dword(u"ExplorerBarWidth", &S::ExplorerBarWidth, 240),
            Dword(u"ExplorerBarViewType", &S::ExplorerBarViewType, -1),
            Dword(u"AutoComplete", &S::AutoComplete, 1),

            Dword(u"ClosedWindowsCount", &S::closedWindowsCount_, 25, &S::SetClosedWindowsCount),
            Dword(u"OpenWindowsCount", &S::openWindowsCount_, 1, &S::SetOpenWindowsCount),
            Dword(u"OpenClosedWindowsInNewWindow", &S::OpenClosedWindowsInNewWindow, 1),
            Dword(u"LockToolbars", &S::LockToolbars, 0),
            Dword(u"DownloadOptions", &S::DownloadOptions, 0x70),
            Dword(u"ApplyDownloadOptionsToAll", &S::ApplyDownloadOptionsToAll, 0),
            Dword(u"AutoRefreshInterval", &S::autoRefreshInterval_, 30, &S::SetAutoRefreshInterval),
            Dword(u"ClearOption", &S::ClearOption, 0),
            Dword(u"SortFavorites", &S::SortFavorites, 1),
            Dword(u"ShowQuickCommandHelp", &S::ShowQuickCommandHelp, 1),
            Dword(u"UseSingleLineTabs", &S::UseSingleLineTabs, 1),
            Dword(u"FixedTabWidthType", &S::FixedTabWidthType, 1),
            Dword(u"TabPosition", &S::TabPosition, 1),
            Dword(u"ClosePopups", &S::ClosePopups, 0),
            Dword(u"AllowDoubleClickClose", &S::AllowDoubleClickClose, 0),
            Dword(u"AlwaysOnTop", &S::AlwaysOnTop, 0),
            Dword(u"MinimizeToSystray", &S::MinimizeToSystray, 0),
            Dword(u"MButtonOpenLinkInNew", &S::MButtonOpenLinkInNew, 1),
            Dword(u"MButtonCloseTab", &S::MButtonCloseTab, 1),
            Dword(u"AlwaysOpenLinksInNew", &S::AlwaysOpenLinksInNew, 0),
            Dword(u"AlwaysOpenFavoritesInNew", &S::AlwaysOpenFavoritesInNew, 0),
            Dword(u"DisplayOpenAll", &S::DisplayOpenAll, 1),
            Dword(u"DisplayTabCloseButton", &S::DisplayTabCloseButton, 1),
        };
        return options;
    }

    static const Option& startMode() {
        static const Option option =
            Dword(u"StartMode", &CAppSettings::startMode_, 4, &CAppSettings::SetStartMode);
        return option;
    }

    static void setDefault(CAppSettings* s, const Option& o) {
        if (o.text)
            s->*o.text = QString::fromUtf16(o.textDefault);
        else
            s->*o.number = o.numberDefault;
    }

    // Reads one option; a missing or unreadable value keeps the current one,
    // and the setter (if any) sees whichever value results.
    static void load(CAppSettings* s, const RegKey& key, const Option& o) {
        const QString name = QString::fromUtf16(o.name);
        if (o.text) {
            if (std::optional<QString> value = key.readString(name))
                s->*o.text = *value;
            return;
        }
        int value = s->*o.number;
        if (std::optional<std::uint32_t> stored = key.readDword(name))
            value = static_cast<std::int32_t>(*stored);
        if (o.setter)
            (s->*o.setter)(value);
        else
            s->*o.number = value;
    }

    static RegError save(const CAppSettings& s, const RegKey& key, const Option& o) {
        const QString name = QString::fromUtf16(o.name);
        if (o.text)
            return key.setString(name, s.*o.text);
        return key.setDword(name, static_cast<std::uint32_t>(s.*o.number));
    }

    static QString text(const CAppSettings& s, const Option& o) {
        return o.text ? s.*o.text : QString::number(s.*o.number);
    }
};

CAppSettings::CAppSettings(platform::Registry* registry) : registry_(registry) {
    for (const auto& option : ScalarOptionTable::inLoadOrder())
        ScalarOptionTable::setDefault(this, option);
    ScalarOptionTable::setDefault(this, ScalarOptionTable::startMode());
    closedWindows_.resize(closedWindowsCount_);
    CurrentSession.Name = QStringLiteral("Session");
}

void CAppSettings::SetMozillaCheck(std::function<bool()> available) {
    mozillaAvailable_ = std::move(available);
}

bool CAppSettings::MozillaAvailable() const {
    return mozillaAvailable_ ? mozillaAvailable_() : IsMozillaControlAvailable(registry_);
}

// ---------------------------------------------------------------------------
// Load and save

bool CAppSettings::Load() {
    platform::Registry& registry = registry_ ? *registry_ : platform::Registry::instance();
    const int failuresBefore = registry.failureCount();
    {
        // One snapshot around all the reads: a consistent picture even while
        // another instance saves, without taking (or waiting for) its lock.
        platform::RegSnapshot snapshot(&registry);
        const RegKey key = RegKey::open(platform::RegRoot::CurrentUser,
                                        QString::fromUtf16(kSettingsKeyPath), nullptr, registry_);
        for (const auto& option : ScalarOptionTable::inLoadOrder())
            ScalarOptionTable::load(this, key, option);

        AutoClose.clear();
        ReadStringList(QString::fromUtf16(kAutoCloseKeyPath), QString::fromUtf16(kAutoClosePrefix),
                       StringListMode::Append, 0, &AutoClose, registry_);
        ReadStringList(QString::fromUtf16(kClosedWindowsKeyPath),
                       QString::fromUtf16(kClosedWindowsPrefix), StringListMode::Slot,
                       closedWindowsCount_, &closedWindows_, registry_);

        LoadLinkGroups(&LinkGroups, registry_);
        LoadLastSessionGroup(key);
        LoadQuickCommands(&QuickCommands, registry_);

        ScalarOptionTable::load(this, key, ScalarOptionTable::startMode());
    }
    stored_ = CurrentState();
    return registry.failureCount() == failuresBefore;
}

void CAppSettings::LoadLastSessionGroup(const RegKey& settingsKey) {
    LastSessionGroup = LinkGroup();
    const auto id = static_cast<std::int32_t>(
        settingsKey.readDword(QString::fromUtf16(kLastSessionValue)).value_or(0));
    if (id == 0)
        return;
    ReadLinkGroup(
        RegKey::open(platform::RegRoot::CurrentUser, SessionKeyPath(id), nullptr, registry_),
        &LastSessionGroup);
}

CAppSettings::StoredState CAppSettings::CurrentState() const {
    return {ScalarValues(), AutoClose, closedWindows_, LinkGroups, QuickCommands};
}

bool CAppSettings::Save() const {
    StoredState now = CurrentState();
    const StoredState* before = stored_ ? &*stored_ : nullptr;
    if (before && before->scalars == now.scalars && before->autoClose == now.autoClose &&
        before->closedWindows == now.closedWindows && before->linkGroups == now.linkGroups &&
        before->quickCommands == now.quickCommands)
        return true;
    const RegError error = WriteChanges(now, before);
    if (error != platform::ERROR_SUCCESS) {
        if (reporter_)
            reporter_->ShowSystemError(error);
        return false;
    }
    stored_ = std::move(now);
    return true;
}

RegError CAppSettings::WriteChanges(const StoredState& now, const StoredState* before) const {
    platform::RegTransaction tx(registry_);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return tx.beginError();
    RegError error = SaveScalars(now, before);
    if (error == platform::ERROR_SUCCESS && (!before || before->autoClose != now.autoClose))
        error = WriteStringList(QString::fromUtf16(kAutoCloseKeyPath),
                                QString::fromUtf16(kAutoClosePrefix), now.autoClose, nullptr,
                                registry_);
    if (error == platform::ERROR_SUCCESS &&
        (!before || before->closedWindows != now.closedWindows))
        error = WriteStringList(QString::fromUtf16(kClosedWindowsKeyPath),
                                QString::fromUtf16(kClosedWindowsPrefix), now.closedWindows,
                                nullptr, registry_);
    if (error == platform::ERROR_SUCCESS && (!before || before->linkGroups != now.linkGroups))
        error = SaveLinkGroups(now.linkGroups, registry_);
    if (error == platform::ERROR_SUCCESS &&
        (!before || before->quickCommands != now.quickCommands))
        error = SaveQuickCommands(now.quickCommands, registry_);
    if (error != platform::ERROR_SUCCESS)
        return error; // rolled back as the transaction goes
    return tx.commit();
}

// StartMode first, then the others in load order; only those that changed.
RegError CAppSettings::SaveScalars(const StoredState& now, const StoredState* before) const {
    const auto changed = [&](qsizetype index) {
        return !before || before->scalars.value(index) != now.scalars.value(index);
    };
    const auto options = ScalarOptionTable::inLoadOrder();
    const qsizetype startModeIndex = static_cast<qsizetype>(options.size());
    bool any = changed(startModeIndex);
    for (qsizetype i = 0; i < startModeIndex && !any; ++i)
        any = changed(i);
    if (!any)
        return platform::ERROR_SUCCESS;
    RegError error = platform::ERROR_SUCCESS;
    const RegKey key = RegKey::create(platform::RegRoot::CurrentUser,
                                      QString::fromUtf16(kSettingsKeyPath), &error, registry_);
    if (!key)
        return error;
    if (changed(startModeIndex))
        error = ScalarOptionTable::save(*this, key, ScalarOptionTable::startMode());
    for (qsizetype i = 0; i < startModeIndex && error == platform::ERROR_SUCCESS; ++i) {
        if (changed(i))
            error = ScalarOptionTable::save(*this, key, options[i]);
    }
    return error;
}

QList<QPair<QString, QString>> CAppSettings::ScalarValues() const {
    QList<QPair<QString, QString>> values;
    for (const auto& option : ScalarOptionTable::inLoadOrder())
        values.append({QString::fromUtf16(option.name), ScalarOptionTable::text(*this, option)});
    const auto& startMode = ScalarOptionTable::startMode();
    values.append({QString::fromUtf16(startMode.name), ScalarOptionTable::text(*this, startMode)});
    return values;
}

// ---------------------------------------------------------------------------
// Validating setters

void CAppSettings::SetOpenWindowType(int type) {
    openWindowType_ = type == 1 && MozillaAvailable() ? 1 : 0;
}

void CAppSettings::SetTabWidth(int width) {
    tabWidth_ = width < 20 || width > 200 ? 90 : width;
}

void CAppSettings::SetClosedWindowsCount(int count) {
    if (count < 0 || count > 100)
        return;
    closedWindowsCount_ = count;
    closedWindows_.resize(count);
    if (count == 0)
        openWindowsCount_ = 0;
}

void CAppSettings::SetOpenWindowsCount(int count) {
    openWindowsCount_ = count >= 1 && count <= closedWindowsCount_ ? count : 0;
}

void CAppSettings::SetAutoRefreshInterval(int seconds) {
    autoRefreshInterval_ = std::clamp(seconds, 3, 86400);
}

void CAppSettings::SetStartMode(int mode) {
    if (mode == 1 && closedWindowsCount_ == 0)
        mode = 4;
    else if (mode == 5 && LinkGroups.isEmpty())
        mode = 4;
    startMode_ = mode;
}

// ---------------------------------------------------------------------------
// Recently closed windows

namespace {

constexpr int kClosedTitleMax = 36;  // longer titles are shortened ...
constexpr int kClosedTitleKeep = 33; // ... to this many characters and "..."

QString shortenedTitle(QString title) {
    title.replace(QStringLiteral("%20"), QStringLiteral(" "));
    // A line feed would end the title part of the entry early.
    title.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (title.size() <= kClosedTitleMax)
        return title;
    qsizetype keep = kClosedTitleKeep;
    if (title.at(keep - 1).isHighSurrogate()) // never split a character in two
        --keep;
    return title.left(keep) + QStringLiteral("...");
}

} // namespace

void CAppSettings::AddClosedWindow(const QString& title, const QString& address) {
    if (address.isEmpty() ||
        address.compare(QStringLiteral("about:blank"), Qt::CaseInsensitive) == 0)
        return;
    QString where = address;
    where.replace(QStringLiteral("%20"), QStringLiteral(" "));
    const qsizetype capacity = closedWindows_.size();
    if (capacity == 0)
        return;
    qsizetype k = capacity;
    for (qsizetype i = 0; i < capacity; ++i) {
        if (!closedWindows_[i].isEmpty() &&
            ClosedWindowEntryAddress(closedWindows_[i]).compare(where, Qt::CaseInsensitive) == 0) {
            k = i;
            break;
        }
    }
    for (qsizetype j = k == capacity ? capacity - 1 : k; j >= 1; --j)
        if (!closedWindows_[j - 1].isEmpty())
            closedWindows_[j] = closedWindows_[j - 1];
    closedWindows_[0] = MakeClosedWindowEntry(shortenedTitle(title), where);
}

void CAppSettings::ClearClosedWindows() {
    closedWindows_.fill(QString());
}

// ---------------------------------------------------------------------------
// Quick commands

bool CAppSettings::IsCommandInUse(const QString& command, const QString& except) const {
    return IsQuickCommandInUse(QuickCommands, command, except);
}
