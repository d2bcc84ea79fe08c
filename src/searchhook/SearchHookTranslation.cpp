#include "searchhook/SearchHookTranslation.h"

#include "platform/registry/RegKey.h"

namespace searchhook {

std::vector<HookEntry> ReadHookEntries(platform::Registry& registry) {
    std::vector<HookEntry> entries;
    const QString base = QStringLiteral("Software\\Ovrel\\Quorrelin\\Settings\\QuickCommands\\");
    for (int index = 0;; ++index) {
        const platform::RegKey key =
            platform::RegKey::open(platform::RegRoot::CurrentUser,
                                   base + QStringLiteral("QuickCommand%1").arg(index), nullptr,
                                   &registry);
        if (!key)
            break;
        HookEntry entry;
        entry.type = key.readDword(QStringLiteral("Type")).value_or(0);
        entry.command = key.readString(QStringLiteral("Command")).value_or(QString());
        entry.url = key.readString(QStringLiteral("URL")).value_or(QString());
        entries.push_back(std::move(entry));
    }
    return entries;
}

std::optional<QString> TranslateHookText(const std::vector<HookEntry>& entries,
                                         const QString& text) {
    if (entries.empty())
        return std::nullopt;
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    const bool split = blank > 0;
    const QString word = split ? text.left(blank) : text;
    const QString argument = split ? text.mid(blank + 1) : QString();
    for (const HookEntry& entry : entries) {
        if (entry.command != word)
            continue;
        if (entry.type != 1)
            return entry.url;
        const qsizetype place = entry.url.indexOf(QStringLiteral("%s"));
        if (place < 0)
            return std::nullopt;
        QString url = entry.url;
        url.replace(place, 2, argument);
        return url;
    }
    return std::nullopt;
}

} // namespace searchhook
