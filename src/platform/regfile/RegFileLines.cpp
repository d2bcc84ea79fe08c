#include "platform/regfile/RegFileLines.h"

namespace platform {

namespace {

void chopCarriageReturn(QString* line) {
    if (line->endsWith(QLatin1Char('\r')))
        line->chop(1);
}

} // namespace

RegFileLines::RegFileLines(const QByteArray& bytes)
    : bytes_(bytes), utf8_(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.constData());
    const qsizetype n = bytes_.size();
    if (n >= 2 && p[0] == 0xFF && p[1] == 0xFE) {
        encoding_ = Encoding::Utf16LE;
        pos_ = 2;
    } else if (n >= 2 && p[0] == 0xFE && p[1] == 0xFF) {
        encoding_ = Encoding::Unsupported;
    } else if (n >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF) {
        pos_ = 3;
    } else if (n >= 2 && p[0] != 0 && p[0] < 0x80 && p[1] == 0) {
        encoding_ = Encoding::Utf16LE;
    }
}

RegFileLines::Result RegFileLines::next(QString* line) {
    if (pos_ >= bytes_.size())
        return Result::End;
    ++lineNumber_;
    switch (encoding_) {
    case Encoding::Utf8:
        return nextUtf8(line);
    case Encoding::Utf16LE:
        return nextUtf16(line);
    case Encoding::Unsupported:
        break;
    }
    error_ = QStringLiteral("the file is in UTF-16 big-endian, which is not supported");
    return Result::Invalid;
}

RegFileLines::Result RegFileLines::nextUtf8(QString* line) {
    qsizetype end = bytes_.indexOf('\n', pos_);
    const qsizetype next = end < 0 ? bytes_.size() : end + 1;
    if (end < 0)
        end = bytes_.size();
    *line = utf8_.decode(QByteArrayView(bytes_.constData() + pos_, end - pos_));
    pos_ = next;
    if (utf8_.hasError()) {
        error_ = QStringLiteral("the line is not valid UTF-8 text");
        return Result::Invalid;
    }
    chopCarriageReturn(line);
    return Result::Line;
}

RegFileLines::Result RegFileLines::nextUtf16(QString* line) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes_.constData());
    const qsizetype n = bytes_.size();
    qsizetype at = pos_;
    qsizetype end = -1;
    for (; at + 1 < n; at += 2) {
        if (p[at] == '\n' && p[at + 1] == 0) {
            end = at;
            break;
        }
    }
    if (end < 0) {
        if ((n - pos_) % 2 != 0) {
            error_ = QStringLiteral("the file ends in the middle of a UTF-16 character");
            return Result::Invalid;
        }
        end = n;
    }
    line->resize((end - pos_) / 2);
    QChar* out = line->data();
    for (qsizetype i = pos_; i < end; i += 2)
        *out++ = QChar(static_cast<char16_t>(p[i] | (p[i + 1] << 8)));
    pos_ = end < n ? end + 2 : n;
    chopCarriageReturn(line);
    return Result::Line;
}

} // namespace platform
