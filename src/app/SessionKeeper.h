#pragma once

#include "app/SessionRecord.h"
#include "app/SessionScanner.h"

#include <QObject>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <vector>

class CAppSettings;
class QTimer;
namespace platform {
class Registry;
}

// This process's session bookkeeping: keeps the record of its open windows
// (its session key) up to date, marks how the session ended, and at start-up
// looks for sessions of earlier runs that crashed.
//
// Writes are never late where something could be lost: Save() writes before
// it returns (a completed navigation, a closed window). A burst of title or
// progress changes may call SaveSoon(), which writes once at the next turn of
// the event loop; a Save() meanwhile takes the pending write along. Each
// write changes only what differs from the record (see SessionRecord).
//
// Lives on the user-interface thread; the settings record passed to the
// functions that take one must outlive the call only.
class SessionKeeper : public QObject {
    Q_OBJECT

public:
    using WindowSource = std::function<std::vector<SessionWindow>()>;

    // mainWindowId names the session key; registry null means the process's
    // own registry.
    explicit SessionKeeper(std::int32_t mainWindowId, platform::Registry* registry = nullptr,
                           QObject* parent = nullptr);
    ~SessionKeeper() override;

    // Where the open windows come from (in the order they are recorded), and
    // the group kept equal to what was last recorded (may be null).
    void SetWindowSource(WindowSource source, LinkGroup* current = nullptr);
    // While this returns true nothing is recorded: the windows being closed
    // at exit must not empty the record.
    void SetClosingCheck(std::function<bool()> closing);

    // Records the open windows now.
    void Save();
    // Records them at the next turn of the event loop (once for any number
    // of calls before then).
    void SaveSoon();
    // Between Hold() and Release() saves are only noted; Release() records
    // once when any was asked for. Used while the start windows open one by
    // one, so that no record lists some of them and not yet the others.
    void Hold();
    void Release();

    // "NormalExit" = flag into the session key (created when missing), then
    // "LastSession" = the main window id into the settings key.
    void WriteExitMark(int flag);

    // Looks at the other session keys (see SessionScanner): the windows of
    // crashed sessions are appended to settings.CrashedSession and
    // settings.NormalExit is cleared when there was one. The crashed keys stay
    // until ResolveCrash().
    void ScanSessions(CAppSettings& settings, SessionScanner::RunningCheck isRunning);
    // After the crash question: with restore, the restored windows are
    // recorded as this session's first, in the same transaction that deletes
    // the crashed keys; without, the keys are only deleted.
    void ResolveCrash(const LinkGroup& restored, bool restore);

    // The crashed windows' addresses to open besides alreadyOpening: empty
    // addresses are left out, and each address in alreadyOpening stands for
    // one crashed window of that address, which is not opened again (start
    // mode 6 already reopens the last run, and after a crash that run is the
    // crashed one).
    static QStringList AddressesToReopen(const LinkGroup& crashed, QStringList alreadyOpening);

    const SessionRecord& Record() const { return record_; }
    std::int32_t MainWindowId() const { return mainWindowId_; }

private:
    void writeNow();

    std::int32_t mainWindowId_;
    platform::Registry* registry_;
    SessionRecord record_;
    WindowSource windows_;
    LinkGroup* current_ = nullptr;
    std::function<bool()> closing_;
    QTimer* soon_;
    int held_ = 0;
    bool pending_ = false;
    QStringList crashedKeys_;
};
