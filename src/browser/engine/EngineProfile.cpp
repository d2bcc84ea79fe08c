#include "browser/engine/EngineProfile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWebEngineProfile>

QWebEngineProfile* EngineProfile() {
    static QPointer<QWebEngineProfile> profile;
    if (!profile)
        profile = new QWebEngineProfile(QStringLiteral("Quorrelin"), QCoreApplication::instance());
    return profile;
}
