#include "app/RegStringList.h"

#include "app/IErrorReporter.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"

using platform::RegError;
using platform::RegKey;

namespace {

RegError report(IErrorReporter* reporter, RegError error) {
    if (reporter && error != platform::ERROR_SUCCESS)
        reporter->ShowSystemError(error);
    return error;
}

} // namespace

RegError WriteStringList(const QString& keyPath, const QString& prefix, const QStringList& list,
                         IErrorReporter* reporter, platform::Registry* registry) {
    platform::RegTransaction tx(registry);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return report(reporter, tx.beginError());
    const RegKey root = RegKey::root(platform::RegRoot::CurrentUser, registry);
    RegError error = root.deleteSubtree(keyPath);
    if (error != platform::ERROR_SUCCESS && error != platform::ERROR_FILE_NOT_FOUND)
        return report(reporter, error);
    if (!list.isEmpty()) {
        const RegKey key = root.createSubkey(keyPath, &error);
        if (!key)
            return report(reporter, error);
        int n = 0;
        for (const QString& entry : list) {
            if (entry.isEmpty())
                continue;
            error = key.setExpandString(prefix + QString::number(++n), entry);
            if (error != platform::ERROR_SUCCESS)
                return report(reporter, error);
        }
    }
    return report(reporter, tx.commit());
}

int ReadStringList(const QString& keyPath, const QString& prefix, StringListMode mode, int capacity,
                   QStringList* list, platform::Registry* registry) {
    const RegKey key = RegKey::open(platform::RegRoot::CurrentUser, keyPath, nullptr, registry);
    if (!key)
        return 0;
    int count = 0;
    while (count < kMaxStringListValues) {
        const std::optional<QString> value = key.readString(prefix + QString::number(count + 1));
        if (!value)
            break;
        if (mode == StringListMode::Append)
            list->append(*value);
        else if (count < capacity && count < list->size())
            (*list)[count] = *value;
        ++count;
    }
    return count;
}
