#pragma once

#include "platform/ini/IniTypes.h"

#include <QByteArray>
#include <QString>

// Reads the line-based INI exchange files (lists of addresses, quick commands,
// link groups). Files come from anywhere, so reading is bounded:
// - files larger than kMaxIniFileSize are refused whole (TooLarge); only
//   regular files are read, so a pipe or device never blocks or streams;
// - the text is UTF-8 when it starts with the UTF-8 byte order mark or is
//   valid UTF-8 throughout, UTF-16LE when it starts with that byte order mark,
//   and otherwise Latin-1 (one byte, one character), so no byte sequence is
//   ever refused for its encoding;
// - text holding a NUL character is refused whole as binary (NotText);
// - LF, CR LF and a lone CR each end a line; lines longer than
//   kMaxIniLineLength characters are skipped (and counted).
namespace platform {

inline constexpr qint64 kMaxIniFileSize = 4 * 1024 * 1024;
inline constexpr int kMaxIniLineLength = 32 * 1024;

class IniTextReader {
public:
    // Reads and decodes the file at path. Anything but Ok leaves the reader
    // without lines.
    IniReadStatus open(const QString& path);
    // Decodes bytes as the content of a file, with the same bounds.
    IniReadStatus setContent(const QByteArray& bytes);

    // The next line that holds something: trimmed of white space at both
    // ends, neither empty nor a comment (first character ';'). False after
    // the last one.
    bool nextLine(QString* line);
    // Lines skipped so far for their length.
    int skippedLines() const { return skipped_; }

    // Splits line at its first '=' when that is not its first character: the
    // key is the text before it, the value everything after it, neither
    // trimmed. False (outputs untouched) for lines without such an '='.
    static bool splitKeyValue(const QString& line, QString* key, QString* value);
    // The text of a file's bytes by the charset rule above.
    static QString decode(const QByteArray& bytes);

private:
    QString text_;
    qsizetype pos_ = 0;
    int skipped_ = 0;
};

} // namespace platform
