#include "platform/regfile/RegFileParser.h"

#include "platform/regfile/RegFileLines.h"
#include "platform/regfile/RegFileNames.h"
#include "platform/regfile/RegFileWriter.h"
#include "platform/registry/Registry.h"

namespace platform {

namespace {

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QStringView trimBlanks(QStringView s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && isBlank(s[begin]))
        ++begin;
    while (end > begin && isBlank(s[end - 1]))
        --end;
    return s.mid(begin, end - begin);
}

bool onlyBlanks(QStringView s) { return trimBlanks(s).isEmpty(); }

int hexDigit(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    return -1;
}

// 1 to 8 hex digits as a 32-bit number.
bool parseHex32(QStringView digits, quint32* value) {
    if (digits.isEmpty() || digits.size() > 8)
        return false;
    quint32 v = 0;
    for (QChar c : digits) {
        const int d = hexDigit(c);
        if (d < 0)
            return false;
        v = (v << 4) | static_cast<quint32>(d);
    }
    *value = v;
    return true;
}

// Shortens long pieces of input quoted in messages.
QString excerpt(QStringView s) {
    constexpr qsizetype kMax = 40;
    return s.size() <= kMax ? s.toString() : s.left(kMax).toString() + QStringLiteral("...");
}

bool hasNul(QStringView s) { return s.contains(QChar(u'\0')); }

} // namespace

bool RegFileParser::parse(const QByteArray& bytes, const QString& fileName,
                          std::vector<RegFileOperation>* operations, QString* error) {
    RegFileLines lines(bytes);
    std::vector<RegFileOperation> ops;
    RegFileParser parser(&lines, &ops);
    if (!parser.run()) {
        *error = QStringLiteral("Cannot import \"%1\", line %2: %3")
                     .arg(fileName)
                     .arg(qMax(1, lines.lineNumber()))
                     .arg(parser.error_);
        return false;
    }
    *operations = std::move(ops);
    return true;
}

bool RegFileParser::fail(const QString& message) {
    error_ = message;
    return false;
}

bool RegFileParser::run() {
    if (!readHeader())
        return false;
    QString line;
    for (;;) {
        switch (lines_->next(&line)) {
        case RegFileLines::Result::End:
            return true;
        case RegFileLines::Result::Invalid:
            return fail(lines_->error());
        case RegFileLines::Result::Line:
            if (!parseLine(line))
                return false;
            break;
        }
    }
}

bool RegFileParser::readHeader() {
    QString line;
    const RegFileLines::Result result = lines_->next(&line);
    if (result == RegFileLines::Result::Invalid)
        return fail(lines_->error());
    if (result == RegFileLines::Result::End || trimBlanks(line) != RegFileWriter::header())
        return fail(QStringLiteral("this is not a registry file: the first line must be \"%1\"")
                        .arg(RegFileWriter::header()));
    return true;
}

bool RegFileParser::parseLine(QStringView line) {
    const QStringView s = trimBlanks(line);
    if (s.isEmpty() || s[0] == QLatin1Char(';'))
        return true;
    if (s[0] == QLatin1Char('['))
        return parseKeyLine(s);
    if (s[0] == QLatin1Char('@') || s[0] == QLatin1Char('"'))
        return parseValueLine(s);
    return fail(QStringLiteral("the line \"%1\" is neither a key, a value nor a comment")
                    .arg(excerpt(s)));
}

bool RegFileParser::parseKeyLine(QStringView line) {
    const qsizetype close = line.lastIndexOf(QLatin1Char(']'));
    if (close < 0)
        return fail(QStringLiteral("the key line has no closing \"]\""));
    if (!onlyBlanks(line.mid(close + 1)))
        return fail(QStringLiteral("unexpected text after the closing \"]\" of the key line"));
    QStringView inner = line.mid(1, close - 1);
    const bool remove = inner.startsWith(QLatin1Char('-'));
    if (remove)
        inner = inner.mid(1);
    RegFileOperation op;
    op.line = lines_->lineNumber();
    if (!parseRootedKeyPath(inner.toString(), &op.root, &op.path)) {
        const qsizetype slash = inner.indexOf(QLatin1Char('\\'));
        return fail(QStringLiteral("the root key \"%1\" is unknown")
                        .arg(excerpt(slash < 0 ? inner : inner.left(slash))));
    }
    if (hasNul(op.path))
        return fail(QStringLiteral("the key name holds a NUL character"));
    const QStringList parts = splitKeyPath(op.path);
    if (parts.size() > kMaxKeyDepth)
        return fail(QStringLiteral("the key lies %1 levels deep; the registry holds at most %2")
                        .arg(parts.size())
                        .arg(kMaxKeyDepth));
    for (const QString& part : parts) {
        if (part.size() > kMaxKeyNameLength)
            return fail(QStringLiteral("a key name is longer than %1 characters").arg(kMaxKeyNameLength));
        if (hasUnpairedSurrogate(part))
            return fail(QStringLiteral("a key name holds an unpaired UTF-16 surrogate, which the "
                                       "registry cannot store"));
    }
    if (remove && op.path.isEmpty())
        return fail(QStringLiteral("a root key cannot be deleted"));
    op.kind = remove ? RegFileOperation::Kind::DeleteKey : RegFileOperation::Kind::OpenKey;
    section_ = remove ? Section::DeletedKey : Section::Key;
    ops_->push_back(std::move(op));
    return true;
}

bool RegFileParser::parseQuoted(QStringView line, qsizetype* pos, QString* text) {
    QString out;
    for (qsizetype i = *pos + 1; i < line.size(); ++i) {
        const QChar c = line[i];
        if (c == QLatin1Char('"')) {
            *pos = i + 1;
            *text = std::move(out);
            return true;
        }
        if (c == QLatin1Char('\\')) {
            if (i + 1 >= line.size())
                break;
            const QChar escaped = line[++i];
            if (escaped != QLatin1Char('\\') && escaped != QLatin1Char('"'))
                return fail(QStringLiteral("the escape sequence \"\\%1\" is not known; only \\\\ and "
                                           "\\\" are")
                                .arg(escaped));
            out.append(escaped);
            continue;
        }
        out.append(c);
    }
    return fail(QStringLiteral("the closing quote is missing"));
}

bool RegFileParser::parseValueLine(QStringView line) {
    const int lineNumber = lines_->lineNumber();
    QString name;
    qsizetype pos = 1;
    if (line[0] == QLatin1Char('"')) {
        pos = 0;
        if (!parseQuoted(line, &pos, &name))
            return false;
        if (name.size() > kMaxValueNameLength)
            return fail(QStringLiteral("the value name is longer than %1 characters").arg(kMaxValueNameLength));
        if (hasNul(name))
            return fail(QStringLiteral("the value name holds a NUL character"));
        if (hasUnpairedSurrogate(name))
            return fail(QStringLiteral("the value name holds an unpaired UTF-16 surrogate, which "
                                       "the registry cannot store"));
    }
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    if (pos >= line.size() || line[pos] != QLatin1Char('='))
        return fail(QStringLiteral("\"=\" is missing after the value name"));
    if (section_ == Section::None)
        return fail(QStringLiteral("a value comes before the first key line"));
    if (section_ == Section::DeletedKey)
        return fail(QStringLiteral("a value follows a line that deletes its key"));
    return parseData(trimBlanks(line.mid(pos + 1)), name, lineNumber);
}

bool RegFileParser::parseData(QStringView data, const QString& name, int line) {
    RegFileOperation op;
    op.kind = RegFileOperation::Kind::SetValue;
    op.line = line;
    op.name = name;
    if (data == QLatin1String("-")) {
        op.kind = RegFileOperation::Kind::DeleteValue;
    } else if (data.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        QString text;
        if (!parseQuoted(data, &pos, &text))
            return false;
        if (pos != data.size())
            return fail(QStringLiteral("unexpected text after the closing quote"));
        if ((text.size() + 1) * 2 > kMaxValueDataSize)
            return fail(QStringLiteral("the value is larger than the registry allows"));
        op.value = {REG_SZ, encodeRegString(text)};
    } else if (data.startsWith(QLatin1String("dword:"), Qt::CaseInsensitive)) {
        if (!parseDword(data.mid(6), &op.value))
            return false;
    } else if (data.startsWith(QLatin1String("hex"), Qt::CaseInsensitive)) {
        if (!parseHex(data.mid(3), &op.value))
            return false;
    } else {
        return fail(QStringLiteral("the value data \"%1\" is not a text, dword or hex value")
                        .arg(excerpt(data)));
    }
    ops_->push_back(std::move(op));
    return true;
}

bool RegFileParser::parseDword(QStringView digits, RegValue* value) {
    quint32 v = 0;
    if (!parseHex32(digits, &v))
        return fail(QStringLiteral("\"dword:%1\" is not 1 to 8 hex digits").arg(excerpt(digits)));
    *value = {REG_DWORD, encodeRegDword(v)};
    return true;
}

bool RegFileParser::parseHex(QStringView rest, RegValue* value) {
    value->type = REG_BINARY;
    if (rest.startsWith(QLatin1Char('('))) {
        const qsizetype close = rest.indexOf(QLatin1Char(')'));
        quint32 type = 0;
        if (close < 0 || !parseHex32(rest.mid(1, close - 1), &type))
            return fail(QStringLiteral("the value type in \"hex(...)\" is not 1 to 8 hex digits"));
        value->type = type;
        rest = rest.mid(close + 1);
    }
    if (!rest.startsWith(QLatin1Char(':')))
        return fail(QStringLiteral("\":\" is missing after \"hex\""));
    rest = rest.mid(1);
    bool needComma = false;
    QString next;
    for (;;) {
        QStringView piece = trimBlanks(rest);
        const bool continued = piece.endsWith(QLatin1Char('\\'));
        if (continued)
            piece.chop(1);
        if (!parseHexPiece(piece, &value->data, &needComma))
            return false;
        if (!continued)
            return true;
        switch (lines_->next(&next)) {
        case RegFileLines::Result::End:
            return fail(QStringLiteral("the file ends where a line ending in \"\\\" announced "
                                       "more hex data"));
        case RegFileLines::Result::Invalid:
            return fail(lines_->error());
        case RegFileLines::Result::Line:
            rest = next;
            break;
        }
    }
}

// Bytes are one or two hex digits, separated by single commas; blanks around
// them are allowed and a trailing comma is tolerated.
bool RegFileParser::parseHexPiece(QStringView piece, QByteArray* data, bool* needComma) {
    qsizetype i = 0;
    while (i < piece.size()) {
        const QChar c = piece[i];
        if (isBlank(c)) {
            ++i;
        } else if (c == QLatin1Char(',')) {
            if (!*needComma)
                return fail(QStringLiteral("a comma stands where a hex byte belongs"));
            *needComma = false;
            ++i;
        } else {
            qsizetype end = i;
            while (end < piece.size() && piece[end] != QLatin1Char(',') && !isBlank(piece[end]))
                ++end;
            const QStringView token = piece.mid(i, end - i);
            quint32 byte = 0;
            if (token.size() > 2 || !parseHex32(token, &byte))
                return fail(QStringLiteral("\"%1\" is not a hex byte").arg(excerpt(token)));
            if (*needComma)
                return fail(QStringLiteral("a comma is missing before the hex byte \"%1\"").arg(token));
            if (data->size() >= kMaxValueDataSize)
                return fail(QStringLiteral("the value is larger than the registry allows"));
            data->append(static_cast<char>(byte));
            *needComma = true;
            i = end;
        }
    }
    return true;
}

} // namespace platform
