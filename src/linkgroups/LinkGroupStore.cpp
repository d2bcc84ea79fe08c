#include "linkgroups/LinkGroupStore.h"

#include "platform/registry/RegTransaction.h"

using platform::RegError;
using platform::RegKey;

namespace {

QString keyPathOf(const char16_t* path) { return QString::fromUtf16(path); }

// Keeps the first failure of a series of writes.
void keepFirst(RegError* first, RegError error) {
    if (*first == platform::ERROR_SUCCESS)
        *first = error;
}

// Writes the group's values and links into its (fresh) key.
RegError writeGroupInto(const RegKey& key, const LinkGroup& group) {
    RegError first = platform::ERROR_SUCCESS;
    keepFirst(&first, key.setString(QStringLiteral("Name"), group.Name));
    keepFirst(&first, key.setDword(QStringLiteral("Startup"), group.Startup));
    keepFirst(&first, key.setDword(QStringLiteral("Separator"), group.Separator));
    if (group.Separator != 0)
        return first;
    for (qsizetype i = 0; i < group.Links.size(); ++i) {
        RegError error = platform::ERROR_SUCCESS;
        const RegKey link = key.createSubkey(QStringLiteral("Link%1").arg(i), &error);
        if (!link) {
            keepFirst(&first, error);
            continue;
        }
        keepFirst(&first, link.setString(QStringLiteral("Name"), group.Links[i].Name));
        keepFirst(&first, link.setString(QStringLiteral("URL"), group.Links[i].URL));
    }
    return first;
}

// Deletes keyPath; a key that is not there is no failure.
RegError deleteWhole(const RegKey& root, const QString& keyPath) {
    const RegError error = root.deleteSubtree(keyPath);
    return error == platform::ERROR_FILE_NOT_FOUND ? platform::ERROR_SUCCESS : error;
}

RegError finish(platform::RegTransaction* tx, RegError first) {
    const RegError committed = tx->commit();
    return first != platform::ERROR_SUCCESS ? first : committed;
}

} // namespace

RegError SaveLinkGroups(const QList<LinkGroup>& groups, platform::Registry* registry) {
    platform::RegTransaction tx(registry);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return tx.beginError();
    const RegKey root = RegKey::root(platform::RegRoot::CurrentUser, registry);
    const QString path = keyPathOf(kLinkGroupsKeyPath);
    RegError error = deleteWhole(root, path);
    if (error != platform::ERROR_SUCCESS || groups.isEmpty())
        return error != platform::ERROR_SUCCESS ? error : tx.commit();
    const RegKey key = root.createSubkey(path, &error);
    if (!key)
        return error;
    RegError first = platform::ERROR_SUCCESS;
    for (qsizetype i = 0; i < groups.size(); ++i) {
        const RegKey groupKey = key.createSubkey(QStringLiteral("Group%1").arg(i), &error);
        if (!groupKey) {
            keepFirst(&first, error);
            continue;
        }
        keepFirst(&first, writeGroupInto(groupKey, groups[i]));
    }
    return finish(&tx, first);
}

void LoadLinkGroups(QList<LinkGroup>* groups, platform::Registry* registry) {
    groups->clear();
    const RegKey key =
        RegKey::open(platform::RegRoot::CurrentUser, keyPathOf(kLinkGroupsKeyPath), nullptr, registry);
    if (!key)
        return;
    for (int i = 0; i < MaxLinkGroups; ++i) {
        const RegKey groupKey = key.openSubkey(QStringLiteral("Group%1").arg(i));
        if (!groupKey)
            break;
        LinkGroup group;
        ReadLinkGroup(groupKey, &group);
        groups->append(group);
    }
}

RegError WriteLinkGroup(const QString& keyPath, const LinkGroup& group,
                        platform::Registry* registry) {
    platform::RegTransaction tx(registry);
    if (tx.beginError() != platform::ERROR_SUCCESS)
        return tx.beginError();
    const RegKey root = RegKey::root(platform::RegRoot::CurrentUser, registry);
    RegError error = deleteWhole(root, keyPath);
    if (error != platform::ERROR_SUCCESS)
        return error;
    const RegKey key = root.createSubkey(keyPath, &error);
    if (!key)
        return error;
    return finish(&tx, writeGroupInto(key, group));
}

bool ReadLinkGroup(const RegKey& key, LinkGroup* group, bool append) {
    if (!key)
        return false;
    group->Name = key.readString(QStringLiteral("Name")).value_or(QString());
    group->Startup = key.readDword(QStringLiteral("Startup")).value_or(0);
    group->Separator = key.readDword(QStringLiteral("Separator")).value_or(0);
    if (!append)
        group->Links.clear();
    if (group->Name.isEmpty() || group->Separator != 0)
        return true;
    for (int i = 0; i < kMaxLinksPerGroup; ++i) {
        const RegKey linkKey = key.openSubkey(QStringLiteral("Link%1").arg(i));
        if (!linkKey)
            break;
        LinkGroupLink link;
        link.Name = linkKey.readString(QStringLiteral("Name")).value_or(QString());
        link.URL = linkKey.readString(QStringLiteral("URL")).value_or(QString());
        if (!link.Name.isEmpty() && !link.URL.isEmpty())
            group->Links.append(link);
    }
    return true;
}
