#include "quickcommands/QuickCommandIni.h"

#include "platform/ini/IniTextReader.h"
#include "platform/ini/IniTextWriter.h"
#include "quickcommands/QuickCommandStore.h"

#include <limits>

using platform::IniImportResult;
using platform::IniReadStatus;
using platform::IniWriteStatus;

namespace {

// Cuts text to at most max UTF-16 units without splitting a surrogate pair.
QString cutToLength(const QString& text, int max) {
    if (text.size() <= max)
        return text;
    QString cut = text.first(max);
    if (!cut.isEmpty() && cut.back().isHighSurrogate())
        cut.chop(1);
    return cut;
}

// The leading decimal number of text as a C conversion reads it: blanks
// first, then an optional sign and digits; 0 without digits, saturated at the
// limits of int.
int leadingDecimal(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text[i].isSpace())
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    const qint64 limit = negative ? -qint64(std::numeric_limits<int>::min())
                                  : qint64(std::numeric_limits<int>::max());
    qint64 value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = std::min(limit, value * 10 + (text[i].unicode() - u'0'));
    return static_cast<int>(negative ? -value : value);
}

void setField(QuickCommand* command, const QString& key, const QString& value) {
    if (key.compare(QLatin1String("Command"), Qt::CaseInsensitive) == 0)
        command->Command = value;
    else if (key.compare(QLatin1String("Type"), Qt::CaseInsensitive) == 0)
        command->Type = leadingDecimal(value);
    else if (key.compare(QLatin1String("URL"), Qt::CaseInsensitive) == 0)
        command->URL = value;
}

// Appends a finished record, within the entry and list limits.
void appendRecord(QuickCommand command, QList<QuickCommand>* commands, IniImportResult* result) {
    command.Title = cutToLength(command.Title, kQuickCommandTitleMaxLength);
    if (command.Title.isEmpty())
        return;
    if (commands->size() >= kMaxQuickCommands) {
        result->listFull = true;
        return;
    }
    command.Command = cutToLength(command.Command, kQuickCommandCommandMaxLength);
    command.URL = cutToLength(command.URL, kQuickCommandUrlMaxLength);
    commands->append(command);
    ++result->count;
}

} // namespace

QByteArray QuickCommandIniBytes(const QList<QuickCommand>& commands) {
    QString text = QStringLiteral(";QuickCommands");
    for (const QuickCommand& command : commands) {
        text += QStringLiteral("\n\n[") + platform::iniLineText(command.Title) + u']';
        text += QStringLiteral("\nCommand=") + platform::iniLineText(command.Command);
        text += QStringLiteral("\nType=") + QString::number(command.Type);
        text += QStringLiteral("\nURL=") + platform::iniLineText(command.URL);
    }
    return platform::encodeIniText(text);
}

IniWriteStatus WriteQuickCommandIni(const QString& path, const QList<QuickCommand>& commands) {
    if (commands.isEmpty())
        return IniWriteStatus::NothingToWrite;
    return platform::writeIniFile(path, QuickCommandIniBytes(commands))
               ? IniWriteStatus::Ok
               : IniWriteStatus::CannotOpen;
}

IniImportResult ReadQuickCommandIni(const QString& path, QList<QuickCommand>* commands) {
    platform::IniTextReader reader;
    const IniReadStatus status = reader.open(path);
    if (status != IniReadStatus::Ok)
        return IniImportResult{status, 0, false};
    return ParseQuickCommandIni(reader, commands);
}

IniImportResult ParseQuickCommandIni(platform::IniTextReader& reader,
                                     QList<QuickCommand>* commands) {
    IniImportResult result;
    QuickCommand current;
    bool inRecord = false;
    QString line;
    QString key;
    QString value;
    while (reader.nextLine(&line)) {
        if (line.front() == u'[') {
            if (!line.contains(u']'))
                continue;
            if (inRecord)
                appendRecord(current, commands, &result);
            current = QuickCommand{};
            current.Title = line.sliced(1, line.size() - 2);
            inRecord = true;
        } else if (inRecord && platform::IniTextReader::splitKeyValue(line, &key, &value)) {
            setField(&current, key, value);
        }
    }
    if (inRecord)
        appendRecord(current, commands, &result);
    return result;
}
