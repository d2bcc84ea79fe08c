#include "system/IeSettings.h"

#include "platform/registry/RegKey.h"
#include "system/RegistryRead.h"

QString readIeStartPage(platform::Registry* registry) {
    return readRegistryString(platform::RegRoot::CurrentUser, QString::fromUtf16(kIeMainKeyPath),
                              QString::fromUtf16(kIeStartPageValue), registry)
        .value_or(QString());
}

void splitProxyServer(const QString& server, QString* host, int* port) {
    *host = server;
    *port = 0;
    const qsizetype colon = server.indexOf(u':');
    if (colon <= 0)
        return;
    *host = server.left(colon);
    int value = 0;
    for (qsizetype i = colon + 1; i < server.size() && server[i] >= u'0' && server[i] <= u'9';
         ++i) {
        value = value * 10 + (server[i].unicode() - u'0');
        if (value > 65535) {
            value = 0;
            break;
        }
    }
    *port = value;
}

ProxySettings readProxySettings(platform::Registry* registry) {
    ProxySettings proxy;
    const platform::RegKey key =
        platform::RegKey::open(platform::RegRoot::CurrentUser,
                               QString::fromUtf16(kInternetSettingsKeyPath), nullptr, registry);
    if (!key)
        return proxy;
    proxy.enabled = key.readDword(QStringLiteral("ProxyEnable")).value_or(0) != 0;
    const QString server = key.readString(QStringLiteral("ProxyServer")).value_or(QString());
    splitProxyServer(server, &proxy.host, &proxy.port);
    return proxy;
}
