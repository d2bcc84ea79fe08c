#include "system/IeVersion.h"

#include "platform/registry/RegKey.h"
#include "system/RegistryRead.h"

#include <QStringView>

#include <climits>

namespace {

// The leading decimal number of part (after blanks), clamped to INT_MAX.
int leadingNumber(QStringView part) {
    qsizetype i = 0;
    while (i < part.size() && (part[i] == u' ' || part[i] == u'\t'))
        ++i;
    long long value = 0;
    for (; i < part.size() && part[i] >= u'0' && part[i] <= u'9'; ++i) {
        value = value * 10 + (part[i].unicode() - u'0');
        if (value > INT_MAX)
            return INT_MAX;
    }
    return static_cast<int>(value);
}

} // namespace

IeVersion parseIeVersion(const QString& text) {
    IeVersion version;
    int* fields[] = {&version.major, &version.minor, &version.build};
    QStringView rest(text);
    for (int* field : fields) {
        const qsizetype dot = rest.indexOf(u'.');
        *field = leadingNumber(dot < 0 ? rest : rest.left(dot));
        if (dot < 0)
            break;
        rest = rest.mid(dot + 1);
    }
    return version;
}

IeVersion readIeVersion(platform::Registry* registry) {
    const auto text =
        readRegistryString(platform::RegRoot::LocalMachine, QString::fromUtf16(kIeKeyPath),
                           QString::fromUtf16(kIeVersionValue), registry);
    return parseIeVersion(text.value_or(QString()));
}

bool seedEngineVersion(const QString& engineVersion, platform::Registry* registry) {
    const QString valueName = QString::fromUtf16(kIeVersionValue);
    const platform::RegKey key = platform::RegKey::create(
        platform::RegRoot::LocalMachine, QString::fromUtf16(kIeKeyPath), nullptr, registry);
    if (!key)
        return false;
    const auto stored = key.readString(valueName);
    if (stored && !stored->isEmpty())
        return true;
    if (engineVersion.isEmpty())
        return false;
    return key.setString(valueName, engineVersion) == platform::ERROR_SUCCESS;
}
