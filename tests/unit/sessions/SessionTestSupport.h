#pragma once

#include "linkgroups/LinkGroup.h"

#include <QString>
#include <QStringList>

namespace platform {
class RegKey;
}

namespace sessiontest {

// The whole tree below key as text: values (name=type:data) in their order,
// then each subkey's tree in braces. Two keys holding the same tree give the
// same text.
QString dump(const platform::RegKey& key);
// dump() of the key at path under the current user ("-" when missing).
QString dumpPath(const QString& path);

// A session group with count links named "title <i>" at "http://h/<i>".
LinkGroup sessionOf(int count);

// Writes a session key under Sessions named name with group's links and,
// when normalExit >= 0, "NormalExit".
void writeSessionKey(const QString& name, const LinkGroup& group, int normalExit);

// The names of the subkeys of the Sessions key.
QStringList sessionKeyNames();

} // namespace sessiontest
