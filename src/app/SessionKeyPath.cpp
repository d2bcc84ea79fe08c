#include "app/SessionKeyPath.h"

#include "app/SettingsPaths.h"

#include <QCoreApplication>

std::int32_t MainWindowId() {
    return static_cast<std::int32_t>(QCoreApplication::applicationPid());
}

QString SessionKeyPath(std::int32_t id) {
    const std::int32_t which = id != 0 ? id : MainWindowId();
    return QString::fromUtf16(kSessionsKeyPath) + QLatin1Char('\\') + QString::number(which);
}
