#include "app/RegistryNotice.h"

#include "res/MessageFormat.h"
#include "res/StringIds.h"

using platform::RegProblemKind;

bool RegistryNotice::Report(const platform::RegProblem& problem) {
    if (!problem)
        return false;
    // A damaged file that was salvaged and one that was not are different
    // news; every other cause is told once.
    const int cause = static_cast<int>(problem.kind) * 2 + (problem.keptAs.isEmpty() ? 0 : 1);
    if (shown_.contains(cause))
        return false;
    shown_.insert(cause);
    if (show_)
        show_(Text(problem));
    return true;
}

QString RegistryNotice::Text(const platform::RegProblem& p) {
    const res::Placeholder file{QStringLiteral("%filename%"), p.path};
    switch (p.kind) {
    case RegProblemKind::None:
        return QString();
    case RegProblemKind::ReadOnly:
        return res::formatString(sid::RegistryReadOnly, {file});
    case RegProblemKind::Locked:
        if (p.detail.isEmpty())
            return res::formatString(sid::RegistryLocked, {file});
        return res::formatString(sid::RegistryLockedBy,
                                 {file, {QStringLiteral("%program%"), p.detail}});
    case RegProblemKind::DiskFull:
        return res::formatString(sid::RegistryDiskFull, {file});
    case RegProblemKind::DeviceFailed:
        return res::formatString(sid::RegistryDeviceFailed, {file});
    case RegProblemKind::Damaged:
        if (!p.keptAs.isEmpty())
            return res::formatString(sid::RegistrySalvaged,
                                     {file, {QStringLiteral("%damaged%"), p.keptAs}});
        return res::formatString(sid::RegistryDamaged, {file});
    case RegProblemKind::NotAFile:
        return res::formatString(sid::RegistryUnusable,
                                 {file, {QStringLiteral("%reason%"), QStringLiteral("它不是一个普通文件")}});
    case RegProblemKind::Unusable:
        return res::formatString(sid::RegistryUnusable,
                                 {file, {QStringLiteral("%reason%"), p.detail}});
    }
    return QString();
}
