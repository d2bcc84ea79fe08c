#include "app/ClosedWindowEntry.h"

namespace {
constexpr QChar kLineFeed = u'\n';
}

QString ClosedWindowEntryAddress(const QString& entry) {
    const qsizetype lf = entry.indexOf(kLineFeed);
    if (lf >= 0 && lf < entry.size() - 1)
        return entry.mid(lf + 1);
    return QStringLiteral("about:blank");
}

QString ClosedWindowEntryTitle(const QString& entry) {
    const qsizetype lf = entry.indexOf(kLineFeed);
    return lf < 0 ? entry : entry.left(lf);
}

QString MakeClosedWindowEntry(const QString& title, const QString& address) {
    return title + kLineFeed + address;
}
