#pragma once

#include "platform/registry/RegTypes.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace platform {

class Registry;

// Writes registry keys as .reg text: the "Windows Registry Editor Version
// 5.00" header, one [ROOT\path] section per key followed by its values and a
// blank line, in UTF-16LE with a byte order mark and CR LF line ends.
//
// A key is written with its whole subtree, parent before children, subkeys in
// enumeration order and values in creation order. Values that a text line
// could not carry back unchanged (a REG_SZ that is not exactly one line of
// valid UTF-16 text with one terminating NUL, a REG_DWORD that is not four
// bytes) are written in hex form, so that reading the file restores the same
// bytes. Names that no .reg line can hold (a line break or NUL in a key or
// value name) make the export fail rather than write a file that reads back
// differently.
class RegFileWriter {
public:
    static const QString& header(); // "Windows Registry Editor Version 5.00"

    // The text of a whole file (header and sections, CR LF line ends) for the
    // key at path below root and everything under it. registry null means
    // Registry::instance(). False with a message in error when the key is
    // missing, a name cannot be written, or the registry fails.
    static bool exportText(RegRoot root, const QString& path, QString* text, QString* error,
                           Registry* registry = nullptr);

    // Receives the text piece by piece (the header, then one section at a
    // time); false stops the export.
    using Sink = std::function<bool(const QString& text)>;
    // The same text handed to sink as it is made, so that memory stays
    // bounded by one section and the depth of the tree.
    static bool exportTo(RegRoot root, const QString& path, const Sink& sink, QString* error,
                         Registry* registry = nullptr);

    // Writes exportText() to fileName (UTF-16LE, BOM) as it is made,
    // replacing the file as a whole: on failure an existing file is left as
    // it was.
    static bool exportFile(RegRoot root, const QString& path, const QString& fileName,
                           QString* error, Registry* registry = nullptr);

    // The file bytes for a text: BOM followed by the UTF-16LE code units.
    static QByteArray encode(const QString& text);

    // One value as it appears in a section: `@=...` or `"name"=...`, long hex
    // data already wrapped (CR LF, two-space indent), no final line end.
    static QString formatValue(const QString& name, const RegValue& value);

    // name with `\` and `"` escaped by a backslash.
    static QString escape(const QString& name);

    // True when data is exactly valid UTF-16LE text without CR, LF or NUL
    // followed by one NUL: such a REG_SZ can be written as "text".
    static bool isPlainString(const QByteArray& data);
};

} // namespace platform
