#include "app/ScriptAddress.h"

#include <QStringList>

bool IsScriptAddress(const QString& address) {
    QString scheme;
    for (QChar c : address) {
        if (c == QLatin1Char(':'))
            break;
        if (c == QLatin1Char('\t') || c == QLatin1Char('\n') || c == QLatin1Char('\r'))
            continue;
        if (scheme.isEmpty() && c.unicode() <= 0x20)
            continue;
        scheme.append(c.toLower());
        if (scheme.size() > 16)
            return false;
    }
    static const QStringList scripts = {QStringLiteral("javascript"), QStringLiteral("vbscript"),
                                        QStringLiteral("livescript")};
    return address.contains(QLatin1Char(':')) && scripts.contains(scheme);
}
