#include "linkgroups/LinkGroupStore.h"

#include "platform/registry/RegTransaction.h"
#include "platform/registry/Registry.h"

#include <vector>

using platform::RegError;
using platform::RegKey;

namespace {

// The values of one key, fetched with a single query: a group or link key
// holds two or three values, and loading reads thousands of such keys.
class KeyValues {
public:
    explicit KeyValues(const RegKey& key) : values_(key.values()) {}

    // The text of a REG_SZ or REG_EXPAND_SZ value; empty when missing or of
    // another type.
    QString text(QLatin1String name) const {
        const platform::RegValue* v = find(name);
        return v && (v->type == platform::REG_SZ || v->type == platform::REG_EXPAND_SZ)
                   ? platform::decodeRegString(v->data)
                   : QString();
    }
    // A REG_DWORD of four bytes; 0 when missing or of another type or size.
    std::uint32_t dword(QLatin1String name) const {
        const platform::RegValue* v = find(name);
        if (!v || v->type != platform::REG_DWORD || v->data.size() != 4)
            return 0;
        const auto* p = reinterpret_cast<const unsigned char*>(v->data.constData());
        return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
               std::uint32_t(p[3]) << 24;
    }

private:
    const platform::RegValue* find(QLatin1String name) const {
        for (const auto& v : values_)
            if (v.name.compare(name, Qt::CaseInsensitive) == 0)
                return &v.value;
        return nullptr;
    }

    std::vector<platform::Registry::NamedValue> values_;
};

QString keyPathOf(const char16_t* path) {
    return QString::fromUtf16(path);
}

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
    const RegKey key = RegKey::open(platform::RegRoot::CurrentUser, keyPathOf(kLinkGroupsKeyPath),
                                    nullptr, registry);
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
    const KeyValues values(key);
    group->Name = values.text(QLatin1String("Name"));
    group->Startup = values.dword(QLatin1String("Startup"));
    group->Separator = values.dword(QLatin1String("Separator"));
    if (!append)
        group->Links.clear();
    if (group->Name.isEmpty() || group->Separator != 0)
        return true;
    for (int i = 0; i < kMaxLinksPerGroup; ++i) {
        const RegKey linkKey = key.openSubkey(QStringLiteral("Link%1").arg(i));
        if (!linkKey)
            break;
        const KeyValues link(linkKey);
        LinkGroupLink entry{link.text(QLatin1String("Name")), link.text(QLatin1String("URL"))};
        if (!entry.Name.isEmpty() && !entry.URL.isEmpty())
            group->Links.append(std::move(entry));
    }
    return true;
}
