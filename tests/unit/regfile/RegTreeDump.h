#pragma once

#include "platform/registry/RegKey.h"
#include "platform/registry/Registry.h"

#include <QStringList>

#include <vector>

// A readable listing of a registry subtree for comparisons in tests: one
// line per key (full path, stored case) and one per value (name, type, data
// in hex), keys in enumeration order and values in creation order.
namespace regtest {

inline QStringList dumpTree(const platform::RegKey& key, const QString& path = QString()) {
    QStringList lines;
    std::vector<std::pair<platform::RegKey, QString>> pending{{key, path}};
    while (!pending.empty()) {
        auto [k, p] = pending.back();
        pending.pop_back();
        lines << QStringLiteral("[%1]").arg(p);
        for (const auto& v : k.values()) {
            lines << QStringLiteral("  \"%1\" type %2 = %3")
                         .arg(v.name)
                         .arg(v.value.type)
                         .arg(QString::fromLatin1(v.value.data.toHex(',')));
        }
        const QStringList children = k.subkeyNames();
        for (qsizetype i = children.size() - 1; i >= 0; --i)
            pending.emplace_back(k.openSubkey(children[i]), p + QLatin1Char('\\') + children[i]);
    }
    return lines;
}

// All three roots of a registry.
inline QStringList dumpRegistry(platform::Registry* registry) {
    using platform::RegKey;
    using platform::RegRoot;
    QStringList lines;
    for (RegRoot root : {RegRoot::CurrentUser, RegRoot::ClassesRoot, RegRoot::LocalMachine})
        lines << dumpTree(RegKey::root(root, registry), QString::fromLatin1(platform::rootName(root)));
    return lines;
}

} // namespace regtest
