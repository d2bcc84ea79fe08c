#include "browser/AutoCloseIni.h"

#include "app/RegStringList.h"
#include "platform/ini/IniTextReader.h"
#include "platform/ini/IniTextWriter.h"

using platform::IniImportResult;
using platform::IniReadStatus;
using platform::IniWriteStatus;

QByteArray AutoCloseIniBytes(const QStringList& list) {
    QString text = QStringLiteral(";AutoClost List");
    for (const QString& entry : list)
        text += QStringLiteral("\nAddress=") + platform::iniLineText(entry);
    return platform::encodeIniText(text);
}

IniWriteStatus WriteAutoCloseIni(const QString& path, const QStringList& list) {
    if (list.isEmpty())
        return IniWriteStatus::NothingToWrite;
    return platform::writeIniFile(path, AutoCloseIniBytes(list)) ? IniWriteStatus::Ok
                                                                 : IniWriteStatus::CannotOpen;
}

IniImportResult ReadAutoCloseIni(const QString& path, QStringList* list) {
    platform::IniTextReader reader;
    const IniReadStatus status = reader.open(path);
    if (status != IniReadStatus::Ok)
        return IniImportResult{status, 0, false};
    return ParseAutoCloseIni(reader, list);
}

IniImportResult ParseAutoCloseIni(platform::IniTextReader& reader, QStringList* list) {
    IniImportResult result;
    QString line;
    QString key;
    QString value;
    while (reader.nextLine(&line)) {
        if (!platform::IniTextReader::splitKeyValue(line, &key, &value))
            continue;
        if (list->size() >= kMaxStringListValues) {
            result.listFull = true;
            break;
        }
        list->append(value);
        ++result.count;
    }
    return result;
}
