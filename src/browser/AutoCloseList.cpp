#include "browser/AutoCloseList.h"

#include "browser/AutoCloseEntry.h"

namespace {

QString withoutBang(const QString& text) {
    return text.startsWith(u'!') ? text.sliced(1) : text;
}

bool sameLink(const QString& a, const QString& b) {
    return withoutBang(a).compare(withoutBang(b), Qt::CaseInsensitive) == 0;
}

} // namespace

bool IsAutoCloseAddress(const QStringList& list, const QString& url) {
    for (const QString& entry : list) {
        if (AutoCloseEntry::parse(entry).matches(url))
            return true;
    }
    return false;
}

bool AddAutoCloseAddress(QStringList* list, const QString& address) {
    if (withoutBang(address).isEmpty())
        return false;
    list->removeIf([&](const QString& entry) { return sameLink(entry, address); });
    list->append(address);
    return true;
}

bool IsAutoCloseDuplicate(const QStringList& list, const QString& candidate, int exceptIndex) {
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (i != exceptIndex && sameLink(list[i], candidate))
            return true;
    }
    return false;
}
