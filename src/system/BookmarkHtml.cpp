#include "system/BookmarkHtml.h"

#include <QRegularExpression>
#include <QStringDecoder>

#include <optional>
#include <vector>

namespace {

// --- Text of the file -------------------------------------------------------

QString decodeWith(QStringConverter::Encoding encoding, const QByteArray& bytes) {
    QStringDecoder decoder(encoding);
    return decoder.decode(bytes);
}

// The charset a META tag near the top names, or empty.
QString declaredCharset(const QByteArray& bytes) {
    static const QRegularExpression charset(
        QStringLiteral("charset\\s*=\\s*[\"']?([A-Za-z0-9_.:-]{1,40})"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = charset.match(QString::fromLatin1(bytes.left(4096)));
    return match.hasMatch() ? match.captured(1) : QString();
}

QString decodeFile(const QByteArray& bytes) {
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return decodeWith(QStringConverter::Utf8, bytes.mid(3));
    if (bytes.startsWith("\xFF\xFE"))
        return decodeWith(QStringConverter::Utf16LE, bytes.mid(2));
    if (bytes.startsWith("\xFE\xFF"))
        return decodeWith(QStringConverter::Utf16BE, bytes.mid(2));
    QStringDecoder utf8(QStringConverter::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    const QString name = declaredCharset(bytes);
    if (!name.isEmpty() && name.compare(QLatin1String("utf-8"), Qt::CaseInsensitive) != 0) {
        QStringDecoder declared(name.toLatin1().constData());
        if (declared.isValid()) {
            text = declared.decode(bytes);
            if (!declared.hasError())
                return text;
        }
    }
    return QString::fromLatin1(bytes);
}

// --- Entities ---------------------------------------------------------------

// The character of a numeric reference, U+FFFD for one that names none.
QString codePoint(qint64 value) {
    if (value <= 0 || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return QString(QChar(QChar::ReplacementCharacter));
    const char32_t c = char32_t(value);
    return QString::fromUcs4(&c, 1);
}

std::optional<QString> entity(QStringView name) {
    if (name.startsWith(u'#')) {
        bool ok = false;
        const bool hex = name.size() > 1 && (name[1] == u'x' || name[1] == u'X');
        const QStringView digits = name.mid(hex ? 2 : 1);
        if (digits.isEmpty() || digits.size() > 8)
            return std::nullopt;
        const qint64 value = digits.toLongLong(&ok, hex ? 16 : 10);
        return ok ? std::optional(codePoint(value)) : std::nullopt;
    }
    static const struct {
        const char16_t* name;
        char16_t c;
    } kNamed[] = {{u"amp", u'&'},  {u"lt", u'<'},    {u"gt", u'>'},
                  {u"quot", u'"'}, {u"apos", u'\''}, {u"nbsp", u' '}};
    for (const auto& named : kNamed)
        if (name.compare(QStringView(named.name), Qt::CaseInsensitive) == 0)
            return QString(QChar(named.c));
    return std::nullopt;
}

QString decodeEntities(QStringView text) {
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (text[i] == u'&') {
            const qsizetype end = text.indexOf(u';', i + 1);
            if (end > i + 1 && end - i <= 12) {
                if (const auto decoded = entity(text.mid(i + 1, end - i - 1))) {
                    out += *decoded;
                    i = end + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

// --- Tags -------------------------------------------------------------------

struct Tag {
    QString name;                                  // upper case, "/" in front of a closing tag
    QList<std::pair<QString, QString>> attributes; // upper-case name, raw value

    QString attribute(const char* wanted) const {
        for (const auto& [name, value] : attributes)
            if (name == QLatin1String(wanted))
                return value;
        return {};
    }
};

bool isSpace(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

// Reads the tag starting at text[pos] == '<'; pos ends after its '>'.
// nullopt for comments, declarations and a tag that never closes (then pos
// is past the end).
std::optional<Tag> readTag(const QString& text, qsizetype& pos) {
    const qsizetype size = text.size();
    if (text.mid(pos, 4) == QLatin1String("<!--")) {
        const qsizetype end = text.indexOf(QLatin1String("-->"), pos + 4);
        pos = end < 0 ? size : end + 3;
        return std::nullopt;
    }
    qsizetype i = pos + 1;
    Tag tag;
    if (i < size && text[i] == u'/') {
        tag.name += u'/';
        ++i;
    }
    const qsizetype nameStart = i;
    while (i < size && (text[i].isLetterOrNumber() || text[i] == u'!'))
        ++i;
    tag.name += text.mid(nameStart, i - nameStart).toUpper();
    while (i < size && text[i] != u'>') {
        if (isSpace(text[i]) || text[i] == u'/') {
            ++i;
            continue;
        }
        const qsizetype attrStart = i;
        while (i < size && !isSpace(text[i]) && text[i] != u'=' && text[i] != u'>')
            ++i;
        const QString name = text.mid(attrStart, i - attrStart).toUpper();
        while (i < size && isSpace(text[i]))
            ++i;
        QString value;
        if (i < size && text[i] == u'=') {
            ++i;
            while (i < size && isSpace(text[i]))
                ++i;
            if (i < size && (text[i] == u'"' || text[i] == u'\'')) {
                const QChar quote = text[i];
                const qsizetype end = text.indexOf(quote, i + 1);
                if (end < 0)
                    break;
                value = text.mid(i + 1, end - i - 1);
                i = end + 1;
            } else {
                const qsizetype valueStart = i;
                while (i < size && !isSpace(text[i]) && text[i] != u'>')
                    ++i;
                value = text.mid(valueStart, i - valueStart);
            }
        }
        tag.attributes.append({name, value});
    }
    if (i >= size) {
        pos = size;
        return std::nullopt;
    }
    pos = i + 1;
    if (tag.name.startsWith(u'!'))
        return std::nullopt;
    return tag;
}

// --- Building the tree ------------------------------------------------------

class Builder {
public:
    explicit Builder(BookmarkParseResult& result) : m_result(result) {
        m_stack.push_back(&m_result.root);
    }

    void tag(const Tag& tag) {
        const QString& name = tag.name;
        if (name == QLatin1String("A")) {
            finishItem();
            startItem(BookmarkNode::Kind::Link, tag);
        } else if (name == QLatin1String("H3")) {
            finishItem();
            startItem(BookmarkNode::Kind::Folder, tag);
        } else if (name == QLatin1String("/A") || name == QLatin1String("/H3")) {
            finishItem();
        } else if (name == QLatin1String("DL")) {
            finishItem();
            openList();
        } else if (name == QLatin1String("/DL")) {
            finishItem();
            if (m_stack.size() > 1)
                m_stack.pop_back();
            m_pendingFolder = -1;
        } else if (name == QLatin1String("DT") || name == QLatin1String("HR") ||
                   name == QLatin1String("/DT")) {
            finishItem();
        }
    }

    void text(QStringView text) {
        if (m_item && m_text.size() < kMaxBookmarkNameLength * 4)
            m_text += text.left(kMaxBookmarkNameLength * 4 - m_text.size());
    }

    void finish() { finishItem(); }

private:
    BookmarkNode& current() { return *m_stack.back(); }

    void startItem(BookmarkNode::Kind kind, const Tag& tag) {
        m_item.emplace();
        m_item->kind = kind;
        m_item->added = decodeEntities(tag.attribute("ADD_DATE")).trimmed().toLongLong();
        if (m_item->added < 0)
            m_item->added = 0;
        if (kind == BookmarkNode::Kind::Link)
            m_item->url = decodeEntities(tag.attribute("HREF")).trimmed();
        else
            m_item->toolbar = !tag.attribute("PERSONAL_TOOLBAR_FOLDER").isEmpty() &&
                              tag.attribute("PERSONAL_TOOLBAR_FOLDER")
                                      .compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
        m_text.clear();
    }

    void finishItem() {
        if (!m_item)
            return;
        BookmarkNode item = std::move(*m_item);
        m_item.reset();
        item.name = decodeEntities(m_text).simplified().left(kMaxBookmarkNameLength);
        const bool link = item.kind == BookmarkNode::Kind::Link;
        if (link && (item.url.isEmpty() || item.url.size() > kMaxBookmarkUrlLength))
            return;
        if (++m_items > kMaxBookmarkItems) {
            m_result.truncated = true;
            return;
        }
        current().children.append(std::move(item));
        m_pendingFolder = link ? -1 : int(current().children.size() - 1);
        m_result.recognised = m_result.recognised || m_lists > 0;
    }

    // A <DL> after a folder's heading holds that folder's items; any other
    // (the outermost list, or a stray one) continues the current folder.
    void openList() {
        ++m_lists;
        BookmarkNode* list = &current();
        if (m_pendingFolder >= 0 && m_stack.size() <= size_t(kMaxBookmarkDepth))
            list = &current().children[m_pendingFolder];
        else if (m_pendingFolder >= 0)
            m_result.truncated = true;
        m_pendingFolder = -1;
        m_stack.push_back(list);
    }

    BookmarkParseResult& m_result;
    // Folders whose lists are open, outermost first. Items are only ever
    // added to the last, so the pointers to its ancestors stay valid.
    std::vector<BookmarkNode*> m_stack;
    std::optional<BookmarkNode> m_item;
    QString m_text;
    int m_pendingFolder = -1; // index in current() of a heading awaiting its list
    int m_items = 0;
    int m_lists = 0;
};

// --- Writing ----------------------------------------------------------------

QString escaped(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'&':
            out += QLatin1String("&amp;");
            break;
        case u'<':
            out += QLatin1String("&lt;");
            break;
        case u'>':
            out += QLatin1String("&gt;");
            break;
        case u'"':
            out += QLatin1String("&quot;");
            break;
        default:
            out += c.category() == QChar::Other_Control ? QChar(u' ') : c;
        }
    }
    return out;
}

QString dateAttribute(qint64 added) {
    return added > 0 ? QStringLiteral(" ADD_DATE=\"%1\"").arg(added) : QString();
}

void writeList(const BookmarkNode& folder, int depth, QString& out) {
    const QString indent(depth * 4, u' ');
    out += indent + QLatin1String("<DL><p>\n");
    for (const BookmarkNode& node : folder.children) {
        out += indent + QLatin1String("    <DT>");
        if (node.kind == BookmarkNode::Kind::Link) {
            out += QLatin1String("<A HREF=\"") + escaped(node.url) + u'"' +
                   dateAttribute(node.added) + u'>' + escaped(node.name) + QLatin1String("</A>\n");
            continue;
        }
        out +=
            QLatin1String("<H3") + dateAttribute(node.added) +
            (node.toolbar ? QLatin1String(" PERSONAL_TOOLBAR_FOLDER=\"true\"") : QLatin1String()) +
            u'>' + escaped(node.name) + QLatin1String("</H3>\n");
        writeList(node, depth + 1, out);
    }
    out += indent + QLatin1String("</DL><p>\n");
}

} // namespace

BookmarkParseResult ParseBookmarkHtml(const QByteArray& bytes) {
    BookmarkParseResult result;
    if (bytes.size() > kMaxBookmarkFileSize) {
        result.truncated = true;
        return result;
    }
    const QString text = decodeFile(bytes);
    result.recognised =
        text.left(4096).contains(QLatin1String("NETSCAPE-Bookmark-file-1"), Qt::CaseInsensitive);
    Builder builder(result);
    qsizetype pos = 0;
    while (pos < text.size()) {
        const qsizetype open = text.indexOf(u'<', pos);
        const qsizetype textEnd = open < 0 ? text.size() : open;
        if (textEnd > pos)
            builder.text(QStringView(text).mid(pos, textEnd - pos));
        if (open < 0)
            break;
        pos = open;
        if (const std::optional<Tag> tag = readTag(text, pos))
            builder.tag(*tag);
    }
    builder.finish();
    return result;
}

QByteArray BookmarkHtmlText(const BookmarkNode& root) {
    QString out =
        QStringLiteral("<!DOCTYPE NETSCAPE-Bookmark-file-1>\n"
                       "<!-- This is an automatically generated file.\n"
                       "     It will be read and overwritten.\n"
                       "     DO NOT EDIT! -->\n"
                       "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=UTF-8\">\n"
                       "<TITLE>Bookmarks</TITLE>\n"
                       "<H1>Bookmarks</H1>\n");
    writeList(root, 0, out);
    return out.toUtf8();
}

int CountBookmarkLinks(const BookmarkNode& node) {
    int count = node.kind == BookmarkNode::Kind::Link ? 1 : 0;
    for (const BookmarkNode& child : node.children)
        count += CountBookmarkLinks(child);
    return count;
}
