#include "browser/AutoCloseEntry.h"

namespace {

QString withBackslashes(QString text) {
    text.replace(u'/', u'\\');
    return text;
}

} // namespace

AutoCloseEntry AutoCloseEntry::parse(const QString& entry) {
    AutoCloseEntry parsed;
    if (entry.isEmpty())
        return parsed;
    parsed.enabled = entry.front() != u'!';
    parsed.link = parsed.enabled ? entry : entry.sliced(1);
    const bool prefix = parsed.link.endsWith(u'*');
    parsed.form = prefix ? Form::Prefix : Form::Exact;
    parsed.pattern = prefix ? parsed.link.chopped(1) : parsed.link;
    return parsed;
}

bool AutoCloseEntry::matches(const QString& url) const {
    if (!enabled || form == Form::Empty)
        return false;
    // '/' and '\' count as the same character on both sides.
    const QString address = withBackslashes(url);
    const QString wanted = withBackslashes(pattern);
    if (form == Form::Prefix)
        return address.toLower().startsWith(wanted.toLower());
    return address.compare(wanted, Qt::CaseInsensitive) == 0;
}
