#pragma once

#include "platform/registry/RegTypes.h"

#include <QString>

namespace platform {

// Why the registry database cannot be used as it should, in terms a user can
// act on. The registry records the problem it met when opening and the last
// failure of a read or write; callers turn it into a message.
enum class RegProblemKind {
    None,
    ReadOnly,     // the file, its folder or its file system cannot be written
    Locked,       // another connection holds the write lock longer than the wait
    DiskFull,     // no space left (ENOSPC, quota)
    DeviceFailed, // the device reported an input/output error (EIO)
    Damaged,      // the file is not a database or its pages do not check out
    NotAFile,     // a folder, pipe or device stands where the file should be
    Unusable,     // anything else that keeps the file from being opened
};

struct RegProblem {
    RegProblemKind kind = RegProblemKind::None;
    // The database file.
    QString path;
    // Locked: who holds the lock, e.g. "quorrelin-reg (process 1234)", when
    // known. Damaged: what the check found. Unusable: the system's reason.
    QString detail;
    // Damaged, after salvage: where the damaged file was kept.
    QString keptAs;

    explicit operator bool() const { return kind != RegProblemKind::None; }
    bool operator==(const RegProblem&) const = default;
};

// The result code a failure of this kind gives to callers.
RegError regProblemError(RegProblemKind kind);

// One English sentence or two naming the cause and the file, for the
// command-line tool and other output without a string table.
QString describeRegProblem(const RegProblem& problem);

} // namespace platform
