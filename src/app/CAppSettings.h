#pragma once

#include "linkgroups/LinkGroup.h"
#include "quickcommands/QuickCommand.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class IErrorReporter;
namespace platform {
using RegError = long;
class RegKey;
class Registry;
} // namespace platform

// The one in-memory record of every option and persistent list of the
// program, kept in the current user's registry under kSettingsKeyPath.
// Construction fills the defaults; Load reads everything once at start-up;
// Save writes everything back (at exit and on every confirmed change).
//
// Scalar options are 32-bit values stored as REG_DWORD under their own field
// name (CustomHomepage: REG_SZ). Fields that need validation are private and
// set through their setters, which Load uses too; all other options are plain
// public fields. A stored value of the wrong type or size keeps the default.
//
// Used only on the user-interface thread.
class CAppSettings {
public:
    // registry null means the process's own registry; it must outlive this.
    explicit CAppSettings(platform::Registry* registry = nullptr);

    // Where errors of saving the string lists are shown. Not owned; null (the
    // default) shows nothing.
    void SetErrorReporter(IErrorReporter* reporter) { reporter_ = reporter; }
    // Replaces the check that decides whether OpenWindowType 1 (the Mozilla
    // engine) is accepted; an empty function restores the registry check.
    void SetMozillaCheck(std::function<bool()> available);

    // Reads every option and list, each missing value keeping its current
    // value. The order matters: ClosedWindowsCount before OpenWindowsCount
    // and the ClosedWindows list, StartMode last of all (its correction
    // depends on ClosedWindowsCount and on the link groups). All reads see
    // one snapshot of the registry and take no write lock. Returns false
    // when a read failed in the store (the values read so far are kept, and
    // what was not read keeps its current value).
    bool Load();
    // Writes what differs from what the registry held at the last Load or
    // Save: StartMode first, then the other scalars, then AutoClose,
    // ClosedWindows, the link groups and the quick commands, each changed
    // list rewritten whole; everything in one transaction, so the registry
    // has all of it or none. Without an earlier Load everything is written.
    // Does not validate. Returns false (and reports the error once) when the
    // transaction failed; the next Save tries the same changes again.
    bool Save() const;

    // ---- Validated options ----
    int OpenWindowType() const { return openWindowType_; }
    // 1 (Mozilla) only while the Mozilla engine is available; anything else 0.
    void SetOpenWindowType(int type);
    int TabWidth() const { return tabWidth_; }
    // Outside 20..200 becomes 90.
    void SetTabWidth(int width);
    int ClosedWindowsCount() const { return closedWindowsCount_; }
    // Above 100 (or negative) is ignored. 0 empties ClosedWindows and sets
    // OpenWindowsCount to 0; any other value resizes ClosedWindows to exactly
    // that many entries, keeping the first ones.
    void SetClosedWindowsCount(int count);
    int OpenWindowsCount() const { return openWindowsCount_; }
    // Taken when 1..ClosedWindowsCount(); anything else becomes 0.
    void SetOpenWindowsCount(int count);
    int AutoRefreshInterval() const { return autoRefreshInterval_; }
    // Seconds, clamped to 3..86400.
    void SetAutoRefreshInterval(int seconds);
    int StartMode() const { return startMode_; }
    // 1 becomes 4 while ClosedWindowsCount is 0; 5 becomes 4 while there is no
    // link group; other values are taken as given.
    void SetStartMode(int mode);

    // ---- Plain options (see the defaults in CAppSettings.cpp) ----
    int ActivateMode;
    int DisplaySplash;
    int CheckDefaultBrowser;
    int MultipleInstance;
    int ConfirmExitApp;
    int ConfirmSynchronize;
    int ConfirmCloseAll;
    int ConfirmCloseAllEx;
    int ConfirmUserClose;
    int ConfirmClearAddress;
    int ConfirmAddToAutoClose;
    int ConfirmCloseWindows;
    int ActivateNewWindow;
    int OpenInNewWindow;
    QString CustomHomepage;
    int MaximizeChild;
    int ShowGoButton;
    int AppendNewWindow;
    int UseFlatTab;
    int UseFixedWidthTab;
    int ExplorerBarWidth;
    int ExplorerBarViewType;
    int AutoComplete;
    int OpenClosedWindowsInNewWindow;
    int LockToolbars;
    int DownloadOptions;
    int ApplyDownloadOptionsToAll;
    int ClearOption;
    int SortFavorites;
    int ShowQuickCommandHelp;
    int UseSingleLineTabs;
    int FixedTabWidthType;
    int TabPosition;
    int ClosePopups;
    int AllowDoubleClickClose;
    int AlwaysOnTop;
    int MinimizeToSystray;
    int MButtonOpenLinkInNew;
    int MButtonCloseTab;
    int AlwaysOpenLinksInNew;
    int AlwaysOpenFavoritesInNew;
    int DisplayOpenAll;
    int DisplayTabCloseButton;

    // Every scalar option as (registry value name, value as text: numbers in
    // signed decimal), in the order Load reads them (StartMode last).
    QList<QPair<QString, QString>> ScalarValues() const;

    // ---- Lists and groups ----
    // The address opened for StartMode 0; not stored.
    QString BlankPage = QStringLiteral("about:blank");
    // Auto-close address patterns, in order.
    QStringList AutoClose;
    QList<LinkGroup> LinkGroups;
    QList<QuickCommand> QuickCommands;
    // Quick commands offered to other programs through the search hook: 1 on,
    // 0 off, -1 not applicable (the hook's library is not beside the
    // program). Not stored: the options page reads the hook's registration
    // and sets it on apply; the main frame then registers or unregisters.
    int SearchHook = -1;
    // The windows open now (named "Session"); written by the session keeper.
    LinkGroup CurrentSession;
    // Cleared when a crashed session is found at start; not stored here.
    bool NormalExit = true;
    // The windows of sessions that ended abnormally.
    LinkGroup CrashedSession;
    // The windows open when the program last ran, read by Load.
    LinkGroup LastSessionGroup;

    // ---- Recently closed windows ----
    // Exactly ClosedWindowsCount() entries, most recent first, empty entries
    // only at the end. An entry is title, line feed, address.
    const QStringList& ClosedWindows() const { return closedWindows_; }
    // Puts the window at the front (see the .cpp for the rules): nothing for
    // an empty or "about:blank" address or a capacity of 0; an entry of the
    // same address (ignoring case) moves to the front instead of repeating;
    // when the list is full the last entry falls off.
    void AddClosedWindow(const QString& title, const QString& address);
    // Empties every entry; the capacity stays.
    void ClearClosedWindows();

    // Whether some quick command's Command equals command ignoring case,
    // leaving out records whose Command is exactly except (case-sensitive)
    // when except is not empty, so an edited record may keep its own word.
    bool IsCommandInUse(const QString& command, const QString& except = QString()) const;

private:
    friend struct ScalarOptionTable;

    // What the registry holds, as far as this record knows: taken after a
    // Load or a successful Save.
    struct StoredState {
        QList<QPair<QString, QString>> scalars; // as ScalarValues()
        QStringList autoClose;
        QStringList closedWindows;
        QList<LinkGroup> linkGroups;
        QList<QuickCommand> quickCommands;
    };
    StoredState CurrentState() const;
    platform::RegError WriteChanges(const StoredState& now, const StoredState* before) const;
    platform::RegError SaveScalars(const StoredState& now, const StoredState* before) const;
    void LoadLastSessionGroup(const platform::RegKey& settingsKey);
    bool MozillaAvailable() const;

    platform::Registry* registry_;
    IErrorReporter* reporter_ = nullptr;
    std::function<bool()> mozillaAvailable_;

    int openWindowType_ = 0;
    int tabWidth_ = 90;
    int closedWindowsCount_ = 0;
    int openWindowsCount_ = 0;
    int autoRefreshInterval_ = 30;
    int startMode_ = 4;
    QStringList closedWindows_;
    mutable std::optional<StoredState> stored_;
};
