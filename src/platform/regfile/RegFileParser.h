#pragma once

#include "platform/regfile/RegFileOperation.h"

#include <QByteArray>
#include <QString>

#include <vector>

namespace platform {

class RegFileLines;

// Reads the text of a .reg file into a list of operations without touching
// the registry. The first line must be "Windows Registry Editor Version
// 5.00"; then come blank lines, ';' comments, key lines [ROOT\path] and
// [-ROOT\path] (roots by long name or HKCU, HKCR, HKLM), and value lines
// @=... or "name"=... with the data "text" (escapes \\ and \"), dword:hex,
// hex:bytes, hex(type):bytes (lines ending in '\' continue on the next line)
// or '-' to delete the value.
//
// Anything else is refused with a message naming the file and line. Names and
// data beyond the registry's limits are refused here too, so a file that
// parses is one the registry can take.
class RegFileParser {
public:
    // fileName is only used in messages.
    static bool parse(const QByteArray& bytes, const QString& fileName,
                      std::vector<RegFileOperation>* operations, QString* error);

private:
    enum class Section { None, Key, DeletedKey };

    RegFileParser(RegFileLines* lines, std::vector<RegFileOperation>* operations)
        : lines_(lines), ops_(operations) {}

    bool run();
    bool readHeader();
    bool parseLine(QStringView line);
    bool parseKeyLine(QStringView line);
    bool parseValueLine(QStringView line);
    bool parseData(QStringView data, const QString& name, int line);
    bool parseDword(QStringView digits, RegValue* value);
    bool parseHex(QStringView rest, RegValue* value);
    bool parseHexPiece(QStringView piece, QByteArray* data, bool* needComma);
    // Reads a quoted text starting at *pos (on the opening quote); leaves
    // *pos after the closing quote.
    bool parseQuoted(QStringView line, qsizetype* pos, QString* text);
    bool fail(const QString& message);

    RegFileLines* lines_;
    std::vector<RegFileOperation>* ops_;
    Section section_ = Section::None;
    QString error_;
};

} // namespace platform
