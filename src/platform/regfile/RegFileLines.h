#pragma once

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

namespace platform {

// Splits the bytes of a .reg file into text lines. Accepts UTF-16LE with a
// byte order mark (or without one when the first character is ASCII), and
// UTF-8 with or without a byte order mark. Lines end with LF or CR LF; the
// line end is not part of the line.
class RegFileLines {
public:
    enum class Result {
        Line,    // *line holds the next line
        End,     // no more lines
        Invalid, // the bytes of the line are not valid text; see error()
    };

    // bytes is shared, not copied.
    explicit RegFileLines(const QByteArray& bytes);

    Result next(QString* line);
    // The 1-based number of the line last returned (0 before the first).
    int lineNumber() const { return lineNumber_; }
    // Why the last call returned Invalid.
    QString error() const { return error_; }

private:
    enum class Encoding { Utf8, Utf16LE, Unsupported };

    Result nextUtf8(QString* line);
    Result nextUtf16(QString* line);

    QByteArray bytes_;
    Encoding encoding_ = Encoding::Utf8;
    qsizetype pos_ = 0; // byte offset of the next line
    int lineNumber_ = 0;
    QString error_;
    QStringDecoder utf8_;
};

} // namespace platform
