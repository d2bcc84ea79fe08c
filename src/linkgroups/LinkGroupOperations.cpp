#include "linkgroups/LinkGroupOperations.h"

namespace {

constexpr qsizetype kSummaryLength = 60;

} // namespace

bool CanAddLinkGroup(const QList<LinkGroup>& groups) { return groups.size() < MaxLinkGroups; }

QStringList LinkGroupOpenUrls(const LinkGroup& group) {
    QStringList urls;
    if (group.Separator)
        return urls;
    for (const LinkGroupLink& link : group.Links)
        if (!link.URL.isEmpty())
            urls << link.URL;
    return urls;
}

int StoreLinksAsGroup(QList<LinkGroup>* groups, const QString& name, bool startup,
                      const QList<LinkGroupLink>& links, LinkGroupNameChoice choice) {
    const int existing =
        choice == LinkGroupNameChoice::NewGroup ? -1 : FindLinkGroup(*groups, name);
    if (existing < 0) {
        if (!CanAddLinkGroup(*groups))
            return -1;
        LinkGroup group;
        group.Name = name;
        group.Startup = startup ? 1 : 0;
        group.Links = links;
        groups->append(group);
        return static_cast<int>(groups->size() - 1);
    }
    LinkGroup& group = (*groups)[existing];
    if (choice == LinkGroupNameChoice::Replace)
        group.Links.clear();
    group.Links += links;
    return existing;
}

QString UnusedLinkGroupName(const QList<LinkGroup>& groups, const QString& name) {
    if (FindLinkGroup(groups, name) < 0)
        return name;
    for (int n = 1;; ++n) {
        const QString candidate = QStringLiteral("%1 [%2]").arg(name).arg(n);
        if (FindLinkGroup(groups, candidate) < 0)
            return candidate;
    }
}

QString LinkGroupLinkSummary(const LinkGroup& group) {
    QString joined;
    for (const LinkGroupLink& link : group.Links) {
        if (!joined.isEmpty())
            joined += QStringLiteral(", ");
        joined += link.Name;
        if (joined.size() >= kSummaryLength)
            return joined.first(kSummaryLength) + QStringLiteral("...");
    }
    return joined;
}
