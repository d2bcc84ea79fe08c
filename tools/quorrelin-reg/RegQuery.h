#pragma once

#include "platform/registry/RegKey.h"

#include <QString>
#include <QTextStream>

// Prints keys and values the way the registry console tool lays them out:
//
//   (blank line)
//   HKEY_CURRENT_USER\Software\X
//       Name    REG_SZ    text
//       (Default)    REG_DWORD    0x2a
//   (blank line)
//   HKEY_CURRENT_USER\Software\X\Sub
//
// A key's own line and values appear when it has values; then come the full
// paths of its subkeys. With recursion every key of the subtree gets its path
// line followed by its values and a blank line.
class RegQuery {
public:
    explicit RegQuery(QTextStream* out) : out_(out) {}

    // key is open; path is its full name with the root ("HKEY_CURRENT_USER\...").
    void printKey(const platform::RegKey& key, const QString& path);
    void printTree(const platform::RegKey& key, const QString& path);
    // One value of the key (name empty: the default value). A missing
    // default value prints as "(value not set)"; a missing named value
    // prints nothing and returns false.
    bool printValue(const platform::RegKey& key, const QString& path, const QString& name);
    // Every key of the subtree that has the value; returns how many did.
    int findValue(const platform::RegKey& key, const QString& path, const QString& name);

    // "    NAME    TYPE    DATA"
    static QString valueLine(const QString& name, const platform::RegValue& value);
    static QString typeName(platform::RegType type);
    static QString dataText(const platform::RegValue& value);

private:
    QTextStream* out_;
};
