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
class StartHandOver {
public:
    explicit StartHandOver(QStringList arguments);
    ~StartHandOver();

    // True when a running instance took the start over: the process ends.
    bool run();
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
