#pragma once

#include <QByteArray>
#include <QString>

// The address another start hands over in its copy-data message: UTF-16
// little-endian text of the given byte count. Only whole characters are
// read (an odd last byte is ignored) and the text ends at its first zero
// character.
QString decodeHandedOverAddress(const QByteArray& data);
