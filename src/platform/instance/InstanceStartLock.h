#pragma once

#include <QString>

namespace platform {

// Makes the start-ups of one user take turns: a start holds this lock from
// its search for a running instance until its own socket is published (or it
// has handed over), so two starts at the same instant can never both miss
// each other and open two main windows. The lock is an flock on "start.lock"
// in the private instance folder; the system drops it when the process ends,
// so a start that dies holding it blocks nobody.
class InstanceStartLock {
public:
    // How long a start waits for the one before it; after that it goes on
    // without the lock rather than not starting at all.
    static constexpr int kDefaultWaitMs = 20000;

    // The lock of the instances in folder (InstanceFolder::location() when
    // empty). Nothing is taken yet.
    explicit InstanceStartLock(QString folder = QString());
    ~InstanceStartLock(); // releases
    InstanceStartLock(const InstanceStartLock&) = delete;
    InstanceStartLock& operator=(const InstanceStartLock&) = delete;

    // Takes the lock, waiting at most waitMs for another start to let go.
    // False when it could not be had (the folder is unusable, or the wait
    // ran out).
    bool acquire(int waitMs = kDefaultWaitMs);
    // Whether acquire() found the lock held by another start: that start has
    // just published its instance, which may still be busy starting.
    bool waited() const { return waited_; }
    bool isHeld() const { return fd_ >= 0 || shared_; }
    void release();

    // Passing a held lock on to the program this process executes: the
    // descriptor stays open across exec (the flock goes with it) and is
    // returned; this object no longer owns it. -1 when the lock is not held
    // through a descriptor of its own.
    int keepAcrossExec();
    // Takes over a lock passed on by keepAcrossExec() before exec: succeeds
    // only when fd is an open descriptor of this lock's own file (an
    // arbitrary number from the environment is refused, and left alone).
    // The descriptor is closed on exec again.
    bool adopt(int fd, bool waited);

private:
    QString folder_;
    int fd_ = -1;
    bool shared_ = false; // another lock of this process holds the flock
    bool waited_ = false;
};

} // namespace platform
