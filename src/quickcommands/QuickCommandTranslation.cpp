#include "quickcommands/QuickCommandTranslation.h"

std::optional<QString> TranslateQuickCommand(const QList<QuickCommand>& commands,
                                             const QString& text) {
    if (commands.isEmpty())
        return std::nullopt;
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    const qsizetype blank = trimmed.indexOf(u' ');
    const QString word = blank < 0 ? trimmed : trimmed.first(blank);
    const QString argument = blank < 0 ? QString() : trimmed.sliced(blank + 1);
    for (const QuickCommand& command : commands) {
        if (command.Command.compare(word, Qt::CaseInsensitive) != 0)
            continue;
        QString url = command.URL;
        if (command.Type == QuickCommand::Search)
            url.replace(QStringLiteral("%s"), argument);
        return url;
    }
    return std::nullopt;
}

bool IsQuickCommandInUse(const QList<QuickCommand>& commands, const QString& command,
                         const QString& except) {
    for (const QuickCommand& record : commands) {
        if (record.Command.compare(command, Qt::CaseInsensitive) != 0)
            continue;
        if (!except.isEmpty() && record.Command == except)
            continue;
        return true;
    }
    return false;
}
