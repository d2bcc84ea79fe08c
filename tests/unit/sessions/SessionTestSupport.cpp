#include "SessionTestSupport.h"

#include "app/SettingsPaths.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/registry/RegKey.h"

using namespace platform;

namespace sessiontest {

QString dump(const RegKey& key) {
    QString text;
    for (const auto& value : key.values())
        text += QStringLiteral("%1=%2:%3;").arg(value.name).arg(static_cast<int>(value.value.type)).arg(
            QString::fromLatin1(value.value.data.toHex()));
    for (const QString& name : key.subkeyNames())
        text += name + QLatin1Char('{') + dump(key.openSubkey(name)) + QLatin1Char('}');
    return text;
}

QString dumpPath(const QString& path) {
    const RegKey key = RegKey::open(RegRoot::CurrentUser, path);
    return key ? dump(key) : QStringLiteral("-");
}

LinkGroup sessionOf(int count) {
    LinkGroup group;
    group.Name = QStringLiteral("Session");
    for (int i = 0; i < count; ++i)
        group.Links.append(LinkGroupLink{QStringLiteral("title %1").arg(i), QStringLiteral("http://h/%1").arg(i)});
    return group;
}

void writeSessionKey(const QString& name, const LinkGroup& group, int normalExit) {
    const QString path = QString::fromUtf16(kSessionsKeyPath) + QLatin1Char('\\') + name;
    WriteLinkGroup(path, group);
    if (normalExit >= 0)
        RegKey::open(RegRoot::CurrentUser, path)
            .setDword(QStringLiteral("NormalExit"), static_cast<std::uint32_t>(normalExit));
}

QStringList sessionKeyNames() {
    return RegKey::open(RegRoot::CurrentUser, QString::fromUtf16(kSessionsKeyPath)).subkeyNames();
}

} // namespace sessiontest
