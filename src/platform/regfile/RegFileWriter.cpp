#include "platform/regfile/RegFileWriter.h"

#include "platform/regfile/RegFileNames.h"
#include "platform/registry/RegKey.h"
#include "platform/registry/RegSnapshot.h"
#include "platform/registry/Registry.h"

#include <QSaveFile>
#include <QStringList>

#include <utility>
#include <vector>

namespace platform {

namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// Hex data is broken into lines the way the Windows registry editor breaks
// them: after each "xx," the line length counts 3 more, and once it reaches
// this many characters the line ends with a backslash and the next starts
// with two spaces. The last byte never gets a comma or a break.
constexpr int kHexWrapColumn = 77;

char16_t unitAt(const QByteArray& data, qsizetype index) {
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    return static_cast<char16_t>(p[2 * index] | (p[2 * index + 1] << 8));
}

QString hexTypePrefix(RegType type) {
    if (type == REG_BINARY)
        return QStringLiteral("hex:");
    return QStringLiteral("hex(%1):").arg(type, 0, 16);
}

QString formatHex(const QString& prefix, RegType type, const QByteArray& data) {
    static const char digits[] = "0123456789abcdef";
    const QString typeText = hexTypePrefix(type);
    QString out = prefix + typeText;
    out.reserve(out.size() + data.size() * 3 + data.size() / 25 * 5 + 8);
    qsizetype lineLength = out.size();
    const auto* bytes = reinterpret_cast<const unsigned char*>(data.constData());
    for (qsizetype i = 0; i < data.size(); ++i) {
        out.append(QLatin1Char(digits[bytes[i] >> 4]));
        out.append(QLatin1Char(digits[bytes[i] & 0x0F]));
        if (i == data.size() - 1)
            break;
        out.append(QLatin1Char(','));
        lineLength += 3;
        if (lineLength >= kHexWrapColumn) {
            out.append(QStringLiteral("\\\r\n  "));
            lineLength = 2;
        }
    }
    return out;
}

bool nameIsWritable(const QString& name) {
    for (QChar c : name) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c.unicode() == 0)
            return false;
    }
    return true;
}

// The path below the root with each component in its stored case.
bool storedPath(const RegKey& rootKey, const QString& path, QString* stored, RegKey* key,
                QString* error) {
    RegKey current = rootKey;
    QStringList names;
    for (const QString& part : splitKeyPath(path)) {
        RegError e = ERROR_SUCCESS;
        current = current.openSubkey(part, &e);
        QString name;
        if (e == ERROR_SUCCESS)
            e = current.registry()->keyName(current.id(), &name);
        if (e != ERROR_SUCCESS) {
            *error = regErrorMessage(e);
            return false;
        }
        names.append(name);
    }
    *stored = names.join(QLatin1Char('\\'));
    *key = current;
    return true;
}

bool writeSection(const RegKey& key, const QString& fullPath, const RegFileWriter::Sink& sink,
                  QString* error) {
    if (!nameIsWritable(fullPath)) {
        *error = QStringLiteral("The key \"%1\" has a name with a line break or NUL character, "
                                "which a .reg file cannot hold.")
                     .arg(fullPath);
        return false;
    }
    QString text = QLatin1Char('[') + fullPath + QLatin1Char(']') + kLineEnd;
    std::vector<Registry::NamedValue> values;
    const RegError e = key.registry()->values(key.id(), &values);
    if (e != ERROR_SUCCESS) {
        *error = regErrorMessage(e);
        return false;
    }
    for (const Registry::NamedValue& v : values) {
        if (!nameIsWritable(v.name)) {
            *error = QStringLiteral("A value of the key \"%1\" has a name with a line break or "
                                    "NUL character, which a .reg file cannot hold.")
                         .arg(fullPath);
            return false;
        }
        text.append(RegFileWriter::formatValue(v.name, v.value) + kLineEnd);
    }
    text.append(kLineEnd);
    if (!sink(text)) {
        *error = QStringLiteral("The export file cannot be written.");
        return false;
    }
    return true;
}

// One level of the walk: a key, its subkey names and the next one to visit.
struct Level {
    RegKey key;
    QStringList children;
    qsizetype next = 0;
    qsizetype pathLength = 0; // of the path while this level is current
};

} // namespace

const QString& RegFileWriter::header() {
    static const QString text = QStringLiteral("Windows Registry Editor Version 5.00");
    return text;
}

QString RegFileWriter::escape(const QString& name) {
    QString out;
    out.reserve(name.size() + 2);
    for (QChar c : name) {
        if (c == QLatin1Char('\\') || c == QLatin1Char('"'))
            out.append(QLatin1Char('\\'));
        out.append(c);
    }
    return out;
}

bool RegFileWriter::isPlainString(const QByteArray& data) {
    if (data.size() < 2 || data.size() % 2 != 0)
        return false;
    const qsizetype units = data.size() / 2;
    if (unitAt(data, units - 1) != 0)
        return false;
    for (qsizetype i = 0; i < units - 1; ++i) {
        const char16_t u = unitAt(data, i);
        if (u == 0 || u == u'\r' || u == u'\n')
            return false;
        if (QChar::isHighSurrogate(u)) {
            if (i + 1 >= units - 1 || !QChar::isLowSurrogate(unitAt(data, i + 1)))
                return false;
            ++i;
        } else if (QChar::isLowSurrogate(u)) {
            return false;
        }
    }
    return true;
}

QString RegFileWriter::formatValue(const QString& name, const RegValue& value) {
    const QString prefix =
        name.isEmpty() ? QStringLiteral("@=") : QLatin1Char('"') + escape(name) + QStringLiteral("\"=");
    if (value.type == REG_SZ && isPlainString(value.data))
        return prefix + QLatin1Char('"') + escape(decodeRegString(value.data)) + QLatin1Char('"');
    if (value.type == REG_DWORD && value.data.size() == 4) {
        const auto* p = reinterpret_cast<const unsigned char*>(value.data.constData());
        const quint32 dword = p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<quint32>(p[3]) << 24);
        return prefix + QStringLiteral("dword:%1").arg(dword, 8, 16, QLatin1Char('0'));
    }
    return formatHex(prefix, value.type, value.data);
}

bool RegFileWriter::exportTo(RegRoot root, const QString& path, const Sink& sink,
                             QString* error, Registry* registry) {
    Registry* reg = registry ? registry : &Registry::instance();
    // One consistent view of the tree even while another process writes.
    RegSnapshot snapshot(reg);
    QString stored;
    RegKey top;
    if (!storedPath(RegKey::root(root, reg), path, &stored, &top, error))
        return false;
    if (!sink(header() + kLineEnd + kLineEnd)) {
        *error = QStringLiteral("The export file cannot be written.");
        return false;
    }
    // Depth-first, parent before children, children in enumeration order.
    // No recursion and no text kept beyond one section: memory grows with
    // the depth of the tree, not with the size of the file.
    QString fullPath = rootedKeyPath(root, stored);
    std::vector<Level> levels;
    const auto enter = [&](const RegKey& key) {
        if (!writeSection(key, fullPath, sink, error))
            return false;
        levels.push_back({key, key.subkeyNames(), 0, fullPath.size()});
        return true;
    };
    if (!enter(top))
        return false;
    while (!levels.empty()) {
        Level& level = levels.back();
        if (level.next >= level.children.size()) {
            levels.pop_back();
            continue;
        }
        const QString name = level.children[level.next++];
        RegError e = ERROR_SUCCESS;
        const RegKey child = level.key.openSubkey(name, &e);
        if (e != ERROR_SUCCESS) {
            *error = regErrorMessage(e);
            return false;
        }
        fullPath.truncate(level.pathLength);
        fullPath += QLatin1Char('\\') + name;
        if (!enter(child))
            return false;
    }
    return true;
}

bool RegFileWriter::exportText(RegRoot root, const QString& path, QString* text, QString* error,
                               Registry* registry) {
    QString out;
    if (!exportTo(root, path, [&out](const QString& chunk) { out += chunk; return true; }, error,
                  registry))
        return false;
    *text = std::move(out);
    return true;
}

QByteArray RegFileWriter::encode(const QString& text) {
    QByteArray bytes;
    bytes.resize((text.size() + 1) * 2);
    auto* p = reinterpret_cast<unsigned char*>(bytes.data());
    p[0] = 0xFF;
    p[1] = 0xFE;
    qsizetype at = 2;
    for (QChar c : text) {
        p[at++] = static_cast<unsigned char>(c.unicode() & 0xFF);
        p[at++] = static_cast<unsigned char>(c.unicode() >> 8);
    }
    return bytes;
}

bool RegFileWriter::exportFile(RegRoot root, const QString& path, const QString& fileName,
                               QString* error, Registry* registry) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = QStringLiteral("Cannot write the file \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    // Sections are encoded and written as they come; the byte order mark
    // goes first, once.
    bool first = true;
    const auto sink = [&](const QString& chunk) {
        QByteArray bytes = encode(chunk);
        if (!first)
            bytes.remove(0, 2);
        first = false;
        return file.write(bytes) == bytes.size();
    };
    if (!exportTo(root, path, sink, error, registry)) {
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        *error = QStringLiteral("Cannot write the file \"%1\": %2").arg(fileName, file.errorString());
        return false;
    }
    return true;
}

} // namespace platform
