#include "system/IeSettings.h"

#include "platform/registry/RegKey.h"
#include "platform/registry/RegTransaction.h"
#include "system/RegistryRead.h"

#include <algorithm>

QString readIeStartPage(platform::Registry* registry) {
    return readRegistryString(platform::RegRoot::CurrentUser, QString::fromUtf16(kIeMainKeyPath),
                              QString::fromUtf16(kIeStartPageValue), registry)
        .value_or(QString());
}

namespace {

QString pageOrBlank(const QString& address) {
    return address.trimmed().isEmpty() ? QStringLiteral("about:blank") : address;
}

} // namespace

QString homePageAddress(platform::Registry* registry) {
    return pageOrBlank(readIeStartPage(registry));
}

QString searchPageAddress(platform::Registry* registry) {
    return pageOrBlank(readRegistryString(platform::RegRoot::CurrentUser,
                                          QString::fromUtf16(kIeMainKeyPath),
                                          QStringLiteral("Search Page"), registry)
                           .value_or(QString()));
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

bool writeIeStartPage(const QString& url, platform::Registry* registry) {
    const platform::RegKey key = platform::RegKey::create(
        platform::RegRoot::CurrentUser, QString::fromUtf16(kIeMainKeyPath), nullptr, registry);
    return key &&
           key.setString(QString::fromUtf16(kIeStartPageValue), url) == platform::ERROR_SUCCESS;
}

bool writeProxySettings(const ProxySettings& proxy, platform::Registry* registry) {
    platform::RegTransaction transaction(registry);
    const platform::RegKey key =
        platform::RegKey::create(platform::RegRoot::CurrentUser,
                                 QString::fromUtf16(kInternetSettingsKeyPath), nullptr, registry);
    if (!key)
        return false;
    const QString server =
        proxy.port > 0 ? QStringLiteral("%1:%2").arg(proxy.host).arg(proxy.port) : proxy.host;
    if (key.setDword(QStringLiteral("ProxyEnable"), proxy.enabled ? 1 : 0) !=
            platform::ERROR_SUCCESS ||
        key.setString(QStringLiteral("ProxyServer"), server) != platform::ERROR_SUCCESS)
        return false;
    return transaction.commit() == platform::ERROR_SUCCESS;
}

bool isUsableProxy(const ProxySettings& proxy) {
    if (!proxy.enabled || proxy.host.isEmpty())
        return false;
    return std::ranges::none_of(proxy.host, [](QChar c) { return c == u':' || c.isSpace(); });
}
