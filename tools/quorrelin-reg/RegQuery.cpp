#include "RegQuery.h"

#include <iterator>
#include <utility>
#include <vector>

using namespace platform;

namespace {

constexpr RegType kRegMultiSz = 7;
constexpr RegType kRegQword = 11;

const QString kIndent = QStringLiteral("    ");

quint64 littleEndian(const QByteArray& data) {
    quint64 v = 0;
    for (qsizetype i = data.size() - 1; i >= 0; --i)
        v = (v << 8) | static_cast<unsigned char>(data[i]);
    return v;
}

// The subtree in enumeration order, parent first, without recursion.
template <class Visit>
void walk(const RegKey& top, const QString& topPath, Visit visit) {
    std::vector<std::pair<RegKey, QString>> pending{{top, topPath}};
    while (!pending.empty()) {
        auto [key, path] = std::move(pending.back());
        pending.pop_back();
        visit(key, path);
        const QStringList children = key.subkeyNames();
        for (qsizetype i = children.size() - 1; i >= 0; --i) {
            const RegKey child = key.openSubkey(children[i]);
            if (child)
                pending.emplace_back(child, path + QLatin1Char('\\') + children[i]);
        }
    }
}

} // namespace

QString RegQuery::typeName(RegType type) {
    static const char* const names[] = {
        "REG_NONE", "REG_SZ", "REG_EXPAND_SZ", "REG_BINARY", "REG_DWORD", "REG_DWORD_BIG_ENDIAN",
        "REG_LINK", "REG_MULTI_SZ", "REG_RESOURCE_LIST", "REG_FULL_RESOURCE_DESCRIPTOR",
        "REG_RESOURCE_REQUIREMENTS_LIST", "REG_QWORD"};
    if (type < std::size(names))
        return QLatin1String(names[type]);
    return QStringLiteral("REG_UNKNOWN(%1)").arg(type);
}

QString RegQuery::dataText(const RegValue& value) {
    switch (value.type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
        return decodeRegString(value.data);
    case kRegMultiSz: {
        QStringList parts;
        for (qsizetype at = 0; at + 1 < value.data.size();) {
            const QString part = decodeRegString(value.data.mid(at));
            if (part.isEmpty())
                break;
            parts << part;
            at += (part.size() + 1) * 2;
        }
        return parts.join(QStringLiteral("\\0"));
    }
    case REG_DWORD:
        if (value.data.size() == 4)
            return QStringLiteral("0x%1").arg(littleEndian(value.data), 0, 16);
        break;
    case kRegQword:
        if (value.data.size() == 8)
            return QStringLiteral("0x%1").arg(littleEndian(value.data), 0, 16);
        break;
    default:
        break;
    }
    return QString::fromLatin1(value.data.toHex().toUpper());
}

QString RegQuery::valueLine(const QString& name, const RegValue& value) {
    return kIndent + (name.isEmpty() ? QStringLiteral("(Default)") : name) + kIndent +
           typeName(value.type) + kIndent + dataText(value);
}

void RegQuery::printKey(const RegKey& key, const QString& path) {
    *out_ << '\n';
    const auto values = key.values();
    if (!values.empty()) {
        *out_ << path << '\n';
        for (const auto& v : values)
            *out_ << valueLine(v.name, v.value) << '\n';
        *out_ << '\n';
    }
    for (const QString& child : key.subkeyNames())
        *out_ << path << '\\' << child << '\n';
}

void RegQuery::printTree(const RegKey& key, const QString& path) {
    *out_ << '\n';
    walk(key, path, [this](const RegKey& k, const QString& p) {
        *out_ << p << '\n';
        const auto values = k.values();
        for (const auto& v : values)
            *out_ << valueLine(v.name, v.value) << '\n';
        if (!values.empty())
            *out_ << '\n';
    });
}

bool RegQuery::printValue(const RegKey& key, const QString& path, const QString& name) {
    RegValue value;
    if (key.queryValue(name, &value) != ERROR_SUCCESS) {
        if (!name.isEmpty())
            return false;
        *out_ << '\n' << path << '\n'
              << kIndent << "(Default)" << kIndent << "REG_SZ" << kIndent << "(value not set)\n\n";
        return true;
    }
    *out_ << '\n' << path << '\n' << valueLine(name, value) << "\n\n";
    return true;
}

int RegQuery::findValue(const RegKey& key, const QString& path, const QString& name) {
    int matches = 0;
    walk(key, path, [&](const RegKey& k, const QString& p) {
        RegValue value;
        if (k.queryValue(name, &value) != ERROR_SUCCESS)
            return;
        if (matches++ == 0)
            *out_ << '\n';
        *out_ << p << '\n' << valueLine(name, value) << "\n\n";
    });
    if (matches > 0)
        *out_ << "End of search: " << matches << " match(es) found.\n";
    return matches;
}
