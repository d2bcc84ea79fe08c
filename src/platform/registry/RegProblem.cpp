#include "platform/registry/RegProblem.h"

namespace platform {

RegError regProblemError(RegProblemKind kind) {
    switch (kind) {
    case RegProblemKind::None:
        return ERROR_SUCCESS;
    case RegProblemKind::ReadOnly:
        return ERROR_ACCESS_DENIED;
    case RegProblemKind::Locked:
        return ERROR_BUSY;
    case RegProblemKind::DiskFull:
        return ERROR_DISK_FULL;
    case RegProblemKind::DeviceFailed:
        return ERROR_IO_DEVICE;
    case RegProblemKind::Damaged:
    case RegProblemKind::NotAFile:
    case RegProblemKind::Unusable:
        return ERROR_REGISTRY_CORRUPT;
    }
    return ERROR_REGISTRY_CORRUPT;
}

QString describeRegProblem(const RegProblem& p) {
    switch (p.kind) {
    case RegProblemKind::None:
        return QString();
    case RegProblemKind::ReadOnly:
        return QStringLiteral("The registry \"%1\" is read-only (the file, its folder or its "
                              "file system cannot be written); changes cannot be saved.")
            .arg(p.path);
    case RegProblemKind::Locked:
        return p.detail.isEmpty()
                   ? QStringLiteral("The registry \"%1\" is locked by another program; try "
                                    "again when it has finished.")
                         .arg(p.path)
                   : QStringLiteral("The registry \"%1\" is locked by %2; try again when it "
                                    "has finished.")
                         .arg(p.path, p.detail);
    case RegProblemKind::DiskFull:
        return QStringLiteral("The disk holding the registry \"%1\" is full; changes cannot be "
                              "saved until space is freed.")
            .arg(p.path);
    case RegProblemKind::DeviceFailed:
        return QStringLiteral("The device holding the registry \"%1\" reported an input/output "
                              "error.")
            .arg(p.path);
    case RegProblemKind::Damaged:
        if (!p.keptAs.isEmpty())
            return QStringLiteral("The registry \"%1\" was damaged. Everything that could still "
                                  "be read was saved into a new registry; the damaged file was "
                                  "kept as \"%2\".")
                .arg(p.path, p.keptAs);
        return QStringLiteral("The registry \"%1\" is damaged (%2). Start the program to "
                              "salvage what can still be read.")
            .arg(p.path, p.detail);
    case RegProblemKind::NotAFile:
        return QStringLiteral("The registry \"%1\" is not a regular file.").arg(p.path);
    case RegProblemKind::Unusable:
        return QStringLiteral("The registry \"%1\" cannot be opened: %2").arg(p.path, p.detail);
    }
    return QString();
}

} // namespace platform
