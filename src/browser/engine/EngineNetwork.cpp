#include "browser/engine/EngineNetwork.h"

#include "browser/engine/EngineProfile.h"
#include "system/IeSettings.h"

#include <QNetworkProxy>
#include <QWebEngineProfile>

namespace {
constexpr quint16 kDefaultProxyPort = 80;
}

void ApplyEngineProxy(const ProxySettings& proxy) {
    if (!isUsableProxy(proxy)) {
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::DefaultProxy));
        return;
    }
    const quint16 port = proxy.port > 0 ? static_cast<quint16>(proxy.port) : kDefaultProxyPort;
    QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::HttpProxy, proxy.host, port));
}

void ClearEngineCache() {
    if (QWebEngineProfile* profile = EngineProfile())
        profile->clearHttpCache();
}
