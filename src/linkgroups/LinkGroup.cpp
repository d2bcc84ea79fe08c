#include "linkgroups/LinkGroup.h"

int FindLinkGroup(const QList<LinkGroup>& groups, const QString& name) {
    for (qsizetype i = 0; i < groups.size(); ++i)
        if (groups[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}
