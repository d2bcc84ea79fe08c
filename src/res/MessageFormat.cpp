#include "res/MessageFormat.h"

#include "res/StringTable.h"

namespace res {

namespace {

// The placeholder that starts at position pos of text, or nullptr.
const Placeholder* placeholderAt(const QString& text, qsizetype pos,
                                 std::initializer_list<Placeholder> values) {
    for (const Placeholder& placeholder : values) {
        const QString& name = placeholder.first;
        if (!name.isEmpty() &&
            QStringView(text).mid(pos, name.size()).compare(name, Qt::CaseInsensitive) == 0)
            return &placeholder;
    }
    return nullptr;
}

} // namespace

QString formatMessage(const QString& text, std::initializer_list<Placeholder> values) {
    QString result;
    result.reserve(text.size());
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype percent = text.indexOf(QLatin1Char('%'), pos);
        if (percent < 0) {
            result += QStringView(text).mid(pos);
            break;
        }
        result += QStringView(text).mid(pos, percent - pos);
        if (const Placeholder* placeholder = placeholderAt(text, percent, values)) {
            result += placeholder->second;
            pos = percent + placeholder->first.size();
        } else {
            result += QLatin1Char('%');
            pos = percent + 1;
        }
    }
    return result;
}

QString formatString(unsigned id, std::initializer_list<Placeholder> values) {
    return formatMessage(loadString(id), values);
}

} // namespace res
