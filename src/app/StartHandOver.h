#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace platform {
class InstanceStartLock;
} // namespace platform

// The address or file a command line asks to open: its first argument that
// is not a switch ("--..."); empty when there is none. arguments exclude
// the program's name.
QString CommandLineAddress(const QStringList& arguments);

// The first step of a start, taken before any part of the user interface
// exists (it needs no application object): unless the settings allow more
// than one instance, takes the start lock and hands the command line's
// address over to a running instance. When none takes it, the lock stays
// held for the start to keep until its own instance is published.
//
// The command users start (the small launcher) takes this step and executes
// the program only when no instance took the start; it passes on that it
// searched, and the held lock, through kLauncherSearchVariable.
class StartHandOver {
public:
    // "<descriptor>:<waited>" of the start lock the launcher held when it
    // executed the program (descriptor -1: it searched without the lock).
    static constexpr char kLauncherSearchVariable[] = "QUORRELIN_START_LOCK";

    explicit StartHandOver(QStringList arguments);
    ~StartHandOver();

    // True when a running instance took the start over: the process ends.
    bool run();
    // Whether the arguments need no search at all (--print-settings).
    bool needsNoSearch() const;
    // Launcher: sets kLauncherSearchVariable for the program about to be
    // executed when run() searched (and unsets it otherwise), keeping the
    // lock open across exec.
    void passOnForExec();
    // Program: takes over what the launcher passed on and removes the
    // variable from the environment. False when there was nothing valid to
    // take over: run() must search itself.
    bool takeOverFromLauncher();
    // Whether run() looked for a running instance (one instance only).
    bool searched() const { return searched_; }
    // The start lock run() holds when nothing took the start over; null
    // when more than one instance is allowed.
    std::unique_ptr<platform::InstanceStartLock> takeLock();

private:
    QStringList arguments_;
    std::unique_ptr<platform::InstanceStartLock> lock_;
    bool searched_ = false;
};
