#include "browser/engine/EngineRequestInterceptor.h"

#include "browser/IBrowserEngine.h"
#include "browser/engine/RequestFilter.h"
#include "platform/os/OfflineState.h"

namespace {

RequestKind kindOf(QWebEngineUrlRequestInfo::ResourceType type) {
    switch (type) {
    case QWebEngineUrlRequestInfo::ResourceTypeMainFrame:
    case QWebEngineUrlRequestInfo::ResourceTypeSubFrame:
        return RequestKind::Document;
    case QWebEngineUrlRequestInfo::ResourceTypeImage:
        return RequestKind::Image;
    case QWebEngineUrlRequestInfo::ResourceTypeMedia:
        return RequestKind::Media;
    case QWebEngineUrlRequestInfo::ResourceTypeObject:
    case QWebEngineUrlRequestInfo::ResourceTypePluginResource:
        return RequestKind::Object;
    default:
        return RequestKind::Other;
    }
}

} // namespace

EngineRequestInterceptor::EngineRequestInterceptor(QObject* parent)
    : QWebEngineUrlRequestInterceptor(parent), m_flags(dlctl::Default) {}

void EngineRequestInterceptor::interceptRequest(QWebEngineUrlRequestInfo& info) {
    const QUrl url = info.requestUrl();
    const bool offline = IsNetworkUrl(url) && (m_offline || platform::IsOffline());
    if (RequestBlocked(m_flags, kindOf(info.resourceType()), url, offline))
        info.block(true);
}
