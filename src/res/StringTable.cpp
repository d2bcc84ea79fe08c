#include "res/StringTable.h"

#include "res/StringEntry.h"

#include <QHash>

namespace res {

namespace {

QHash<unsigned, QString> buildTable() {
    QHash<unsigned, QString> table;
    for (const auto entries : {detail::messageEntries(), detail::promptEntries()})
        for (const detail::StringEntry& entry : entries)
            table.insert(entry.id, QString::fromUtf8(entry.text));
    return table;
}

const QHash<unsigned, QString>& table() {
    // Built once; a function-local static is initialised thread-safely and
    // read-only afterwards.
    static const QHash<unsigned, QString> strings = buildTable();
    return strings;
}

} // namespace

std::optional<QString> tryLoadString(unsigned id) {
    const auto it = table().constFind(id);
    if (it == table().constEnd())
        return std::nullopt;
    return *it;
}

QString loadString(unsigned id) {
    return tryLoadString(id).value_or(QString());
}

QString loadString(unsigned id, const QString& fallback) {
    return tryLoadString(id).value_or(fallback);
}

QString commandPrompt(unsigned id) {
    const QString text = loadString(id);
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    return lineBreak < 0 ? text : text.left(lineBreak);
}

QString commandTooltip(unsigned id) {
    const QString text = loadString(id);
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    return lineBreak < 0 ? QString() : text.mid(lineBreak + 1);
}

QString commandShortName(unsigned id) {
    const QString text = loadString(id);
    const qsizetype lineBreak = text.indexOf(QLatin1Char('\n'));
    return lineBreak >= 1 ? text.mid(lineBreak + 1) : text;
}

} // namespace res
