#pragma once

#include "platform/registry/RegTypes.h"

#include <QString>

// Names shared by the .reg file reader, the writer and the registry tool:
// full key paths with their root name in front, and plain texts for registry
// result codes.
namespace platform {

// Splits "HKEY_CURRENT_USER\Software\X" (or "HKCU\Software\X") into its root
// and the path below it ("Software\X"; empty for the root itself). Root names
// compare case-insensitively; the long names and HKCU, HKCR and HKLM are
// known. Returns false for an unknown or missing root.
bool parseRootedKeyPath(const QString& text, RegRoot* root, QString* path);

// "HKEY_CURRENT_USER" or "HKEY_CURRENT_USER\<path>" with empty components of
// path dropped.
QString rootedKeyPath(RegRoot root, const QString& path);

// A sentence describing a registry result code, for messages to the user.
QString regErrorMessage(RegError error);

} // namespace platform
