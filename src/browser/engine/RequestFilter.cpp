#include "browser/engine/RequestFilter.h"

#include "browser/IBrowserEngine.h"

#include <QStringList>

namespace {

QString lowerFileName(const QUrl& url) {
    return url.fileName().toLower();
}

bool endsWithAny(const QString& name, const QStringList& suffixes) {
    for (const QString& suffix : suffixes) {
        if (name.endsWith(suffix))
            return true;
    }
    return false;
}

bool isSoundFile(const QUrl& url) {
    static const QStringList suffixes = {
        QStringLiteral(".mp3"),  QStringLiteral(".wav"),  QStringLiteral(".ogg"),
        QStringLiteral(".oga"),  QStringLiteral(".opus"), QStringLiteral(".m4a"),
        QStringLiteral(".aac"),  QStringLiteral(".flac"), QStringLiteral(".mid"),
        QStringLiteral(".midi"), QStringLiteral(".wma"),  QStringLiteral(".au"),
    };
    return endsWithAny(lowerFileName(url), suffixes);
}

bool isJavaFile(const QUrl& url) {
    static const QStringList suffixes = {QStringLiteral(".jar"), QStringLiteral(".class")};
    return endsWithAny(lowerFileName(url), suffixes);
}

bool has(std::uint32_t flags, std::uint32_t bit) {
    return (flags & bit) != 0;
}

} // namespace

bool IsNetworkUrl(const QUrl& url) {
    static const QStringList schemes = {QStringLiteral("http"), QStringLiteral("https"),
                                        QStringLiteral("ftp"), QStringLiteral("ws"),
                                        QStringLiteral("wss")};
    return schemes.contains(url.scheme().toLower());
}

bool RequestBlocked(std::uint32_t flags, RequestKind kind, const QUrl& url, bool offline) {
    if (offline && IsNetworkUrl(url))
        return true;
    switch (kind) {
    case RequestKind::Image:
        return !has(flags, dlctl::Images);
    case RequestKind::Media:
        return isSoundFile(url) ? !has(flags, dlctl::BackgroundSounds) : !has(flags, dlctl::Videos);
    case RequestKind::Object:
        return isJavaFile(url) ? has(flags, dlctl::NoJava) : has(flags, dlctl::NoActiveX);
    case RequestKind::Document:
    case RequestKind::Other:
        break;
    }
    return false;
}
