#include "linkgroups/LinkGroupIni.h"

#include "linkgroups/LinkGroupOperations.h"
#include "linkgroups/LinkGroupStore.h"
#include "platform/ini/IniTextReader.h"
#include "platform/ini/IniTextWriter.h"

#include <optional>

using platform::IniReadStatus;
using platform::IniWriteStatus;

namespace {

// Most groups one file yields.
constexpr qsizetype kMaxParsedGroups = qsizetype(MaxLinkGroups) * 10;

bool isSelected(const QList<bool>& selected, qsizetype i) {
    return i >= selected.size() || selected[i];
}

void closeGroup(LinkGroup group, QList<LinkGroup>* parsed) {
    if (group.Links.isEmpty() &&
        group.Name.compare(QString::fromUtf16(kSeparatorGroupName), Qt::CaseInsensitive) == 0)
        group.Separator = 1;
    parsed->append(std::move(group));
}

LinkGroup separatorGroup() {
    LinkGroup group;
    group.Name = QString::fromUtf16(kSeparatorGroupName);
    group.Separator = 1;
    return group;
}

} // namespace

QByteArray LinkGroupIniBytes(const QList<LinkGroup>& groups, const QList<bool>& selected) {
    QString text = QStringLiteral(";LinkGroups");
    for (qsizetype i = 0; i < groups.size(); ++i) {
        if (!isSelected(selected, i))
            continue;
        const LinkGroup& group = groups[i];
        text += QStringLiteral("\n\n[") + platform::iniLineText(group.Name) + u']';
        if (group.Separator)
            continue;
        for (const LinkGroupLink& link : group.Links)
            text += u'\n' + platform::iniLineText(link.Name) + u'=' +
                    platform::iniLineText(link.URL);
    }
    return platform::encodeIniText(text);
}

IniWriteStatus WriteLinkGroupIni(const QString& path, const QList<LinkGroup>& groups,
                                 const QList<bool>& selected) {
    bool any = false;
    for (qsizetype i = 0; i < groups.size() && !any; ++i)
        any = isSelected(selected, i);
    if (!any)
        return IniWriteStatus::NothingToWrite;
    return platform::writeIniFile(path, LinkGroupIniBytes(groups, selected))
               ? IniWriteStatus::Ok
               : IniWriteStatus::CannotOpen;
}

QList<LinkGroup> ParseLinkGroupIni(platform::IniTextReader& reader) {
    QList<LinkGroup> parsed;
    std::optional<LinkGroup> current;
    QString line;
    while (reader.nextLine(&line)) {
        if (line.startsWith(u'[')) {
            const qsizetype close = line.lastIndexOf(u']');
            if (close < 0)
                continue;
            if (current)
                closeGroup(std::move(*current), &parsed);
            current.reset();
            if (parsed.size() >= kMaxParsedGroups)
                break;
            current.emplace();
            current->Name = line.mid(1, close - 1);
            continue;
        }
        QString name;
        QString url;
        if (current && platform::IniTextReader::splitKeyValue(line, &name, &url) &&
            current->Links.size() < kMaxLinksPerGroup)
            current->Links.append({name, url});
    }
    if (current)
        closeGroup(std::move(*current), &parsed);
    return parsed;
}

IniReadStatus ReadLinkGroupIni(const QString& path, QList<LinkGroup>* parsed) {
    platform::IniTextReader reader;
    const IniReadStatus status = reader.open(path);
    parsed->clear();
    if (status == IniReadStatus::Ok)
        *parsed = ParseLinkGroupIni(reader);
    return status;
}

LinkGroupImportResult ImportLinkGroups(QList<LinkGroup>* groups, const QList<LinkGroup>& parsed,
                                       const QList<bool>& selected, bool addSeparator,
                                       LinkGroupImportNameMode mode) {
    LinkGroupImportResult result;
    const auto append = [&](LinkGroup group) {
        if (!CanAddLinkGroup(*groups)) {
            result.listFull = true;
            return false;
        }
        groups->append(std::move(group));
        return true;
    };
    if (addSeparator && !groups->isEmpty() && !append(separatorGroup()))
        return result;
    for (qsizetype i = 0; i < parsed.size(); ++i) {
        if (!isSelected(selected, i))
            continue;
        LinkGroup group = parsed[i];
        if (!group.Separator && mode == LinkGroupImportNameMode::AddToExisting) {
            const int existing = FindLinkGroup(*groups, group.Name);
            if (existing >= 0) {
                (*groups)[existing].Links += group.Links;
                ++result.count;
                continue;
            }
        } else if (!group.Separator && mode == LinkGroupImportNameMode::Numbered) {
            group.Name = UnusedLinkGroupName(*groups, group.Name);
        }
        if (!append(std::move(group)))
            break;
        ++result.count;
    }
    return result;
}
