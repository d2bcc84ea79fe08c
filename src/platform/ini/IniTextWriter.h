#pragma once

#include <QByteArray>
#include <QString>

// Writes the INI exchange files: text whose line ends are CR LF, encoded as
// UTF-8 without a byte order mark (what IniTextReader reads back exactly).
namespace platform {

// The bytes of text, each "\n" stored as CR LF.
QByteArray encodeIniText(const QString& text);

// A text made safe to stand inside one line of the file: NUL characters are
// dropped, and CR and LF become blanks, so a value can never end its line
// early or start a new one.
QString iniLineText(const QString& text);

// Replaces the file at path with bytes atomically: a reader sees the old file
// or the new one, and a failed write keeps the old one. False when the file
// cannot be created or written.
bool writeIniFile(const QString& path, const QByteArray& bytes);

} // namespace platform
