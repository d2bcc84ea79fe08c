#include "system/ProgramVersion.h"

#ifndef QUORRELIN_VERSION_MAJOR
#error "QUORRELIN_VERSION_MAJOR must be defined by the build"
#endif
#ifndef QUORRELIN_VERSION_MINOR
#error "QUORRELIN_VERSION_MINOR must be defined by the build"
#endif

QString programVersionText(int major, int minor) {
    return QStringLiteral("版本 %1.%2     ").arg(major).arg(minor, 2, 10, QChar(u'0')) +
           QStringLiteral(" (UNICODE)");
}

QString programVersionText() {
    return programVersionText(QUORRELIN_VERSION_MAJOR, QUORRELIN_VERSION_MINOR);
}
