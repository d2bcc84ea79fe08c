#include "searchhook/SearchHookRegistration.h"

#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "searchhook/SearchHookIds.h"

#include <QStringList>

namespace searchhook {

namespace {

using platform::RegKey;
using platform::RegRoot;

bool ok(platform::RegError error) {
    return error == platform::ERROR_SUCCESS;
}

// Rewrites the hooks key with this hook first and the others after it.
void PutHookFirst(platform::Registry& registry) {
    const QString hooksPath = QString::fromUtf16(kHooksKey);
    const QString clsid = QString::fromUtf16(kClsidText);
    // One transaction: a crash leaves the old list or the new one, so the
    // other hooks' names are never lost.
    platform::RegTransaction transaction(&registry);
    QStringList kept;
    if (const RegKey old = RegKey::open(RegRoot::CurrentUser, hooksPath, nullptr, &registry)) {
        for (const auto& value : old.values()) {
            if (value.name != clsid) // exact, case-sensitive
                kept << value.name;
        }
        RegKey::root(RegRoot::CurrentUser, &registry).deleteSubtree(hooksPath);
    }
    const RegKey hooks = RegKey::create(RegRoot::CurrentUser, hooksPath, nullptr, &registry);
    if (!hooks)
        return;
    hooks.setString(clsid, QStringLiteral("Quorrelin"));
    for (const QString& name : kept)
        hooks.setString(name, QString());
    transaction.commit();
}

} // namespace

com::HRESULT RegisterSearchHook(platform::Registry& registry, const QString& libraryPath) {
    const RegKey classKey =
        RegKey::create(RegRoot::ClassesRoot, QString::fromUtf16(kClassKey), nullptr, &registry);
    if (!classKey)
        return com::E_FAIL;
    com::HRESULT result = com::E_FAIL;
    if (const RegKey server = classKey.createSubkey(QStringLiteral("InprocServer32"))) {
        const bool written =
            ok(server.setString(QString(), libraryPath)) &&
            ok(server.setString(QStringLiteral("ThreadingModel"), QStringLiteral("Apartment")));
        result = written ? com::S_OK : com::E_FAIL;
    }
    classKey.setString(QString(), QStringLiteral("QuorrelinSearch"));
    if (result != com::S_OK)
        return result;
    PutHookFirst(registry);
    return com::S_OK;
}

com::HRESULT UnregisterSearchHook(platform::Registry& registry) {
    if (const RegKey hooks = RegKey::create(RegRoot::CurrentUser, QString::fromUtf16(kHooksKey),
                                            nullptr, &registry))
        hooks.deleteValue(QString::fromUtf16(kClsidText));
    RegKey::root(RegRoot::ClassesRoot, &registry).deleteSubtree(QString::fromUtf16(kClassKey));
    return com::S_OK;
}

} // namespace searchhook
