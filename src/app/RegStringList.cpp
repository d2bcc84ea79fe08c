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
                   QStringList* list, platform::Registry* registry, RegError* error) {
    RegError failure = platform::ERROR_SUCCESS;
    RegError openError = platform::ERROR_SUCCESS;
    const RegKey key = RegKey::open(platform::RegRoot::CurrentUser, keyPath, &openError, registry);
    if (!key && openError != platform::ERROR_FILE_NOT_FOUND)
        failure = openError;
    int count = 0;
    while (key && count < kMaxStringListValues) {
        platform::RegValue value;
        const RegError e = key.queryValue(prefix + QString::number(count + 1), &value);
        if (e != platform::ERROR_SUCCESS) {
            if (e != platform::ERROR_FILE_NOT_FOUND)
                failure = e;
            break;
        }
        if (value.type != platform::REG_SZ && value.type != platform::REG_EXPAND_SZ)
            break;
        const QString text = platform::decodeRegString(value.data);
        if (mode == StringListMode::Append)
            list->append(text);
        else if (count < capacity && count < list->size())
            (*list)[count] = text;
        ++count;
    }
    if (error)
        *error = failure;
    return count;
}
