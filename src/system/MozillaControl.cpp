#include "system/MozillaControl.h"

#include "platform/registry/RegKey.h"

#include <QFileInfo>

bool IsMozillaControlAvailable(platform::Registry* registry) {
    const QString path = QStringLiteral("CLSID\\") + QString::fromUtf16(kMozillaControlClsid) +
                         QStringLiteral("\\InprocServer32");
    const platform::RegKey key =
        platform::RegKey::open(platform::RegRoot::ClassesRoot, path, nullptr, registry);
    const QString library = key.readString(QString()).value_or(QString());
    return !library.isEmpty() && QFileInfo(library).isFile();
}
