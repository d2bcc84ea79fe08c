#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// The bookmark file every browser reads and writes ("NETSCAPE-Bookmark-
// file-1"): HTML whose <DL> lists hold <DT><H3>folder</H3> followed by the
// folder's own <DL>, and <DT><A HREF="address">name</A> links.

// One folder or link of a bookmark file. The root is a folder without name.
struct BookmarkNode {
    enum class Kind { Folder, Link };

    Kind kind = Kind::Folder;
    QString name;         // entities decoded, white space runs as one blank
    QString url;          // links only
    qint64 added = 0;     // ADD_DATE: seconds since 1970, 0 when not given
    bool toolbar = false; // a folder marked as the browser's toolbar folder
    QList<BookmarkNode> children;

    friend bool operator==(const BookmarkNode&, const BookmarkNode&) = default;
};

struct BookmarkParseResult {
    BookmarkNode root;
    // The file says it is a bookmark file, or holds links or folders in a
    // <DL> list. A file that is neither is no bookmark file.
    bool recognised = false;
    // Parsing stopped at one of the bounds below; what came before is kept.
    bool truncated = false;
};

// Bounds for files from anywhere: larger files are refused, deeper folders
// are flattened into the deepest allowed one, items past the count and
// names or addresses past their length are left out.
inline constexpr qint64 kMaxBookmarkFileSize = 32 * 1024 * 1024;
inline constexpr int kMaxBookmarkItems = 100000;
inline constexpr int kMaxBookmarkDepth = 32;
inline constexpr int kMaxBookmarkNameLength = 1024;
inline constexpr int kMaxBookmarkUrlLength = 8000;

// Parses the bytes of a bookmark file: UTF-8 or UTF-16 with a byte order
// mark, else UTF-8 when valid, else the charset its META tag names, else
// Latin-1. Tag and attribute names ignore case; comments are skipped;
// entities (named &amp; &lt; &gt; &quot; &apos; &nbsp;, numeric in decimal
// or hex) are decoded. Links without an address are left out.
BookmarkParseResult ParseBookmarkHtml(const QByteArray& bytes);

// The file text for root's children, in UTF-8 with LF line ends: folders
// and links in their order, names and addresses with & < > " escaped.
QByteArray BookmarkHtmlText(const BookmarkNode& root);

// The number of links in node and below it.
int CountBookmarkLinks(const BookmarkNode& node);
