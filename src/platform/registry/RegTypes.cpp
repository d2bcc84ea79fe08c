#include "platform/registry/RegTypes.h"

namespace platform {

const char* rootName(RegRoot root) {
    switch (root) {
    case RegRoot::CurrentUser:
        return "HKEY_CURRENT_USER";
    case RegRoot::ClassesRoot:
        return "HKEY_CLASSES_ROOT";
    case RegRoot::LocalMachine:
        return "HKEY_LOCAL_MACHINE";
    }
    return "";
}

bool hasUnpairedSurrogate(const QString& name) {
    for (qsizetype i = 0; i < name.size(); ++i) {
        const QChar c = name.at(i);
        if (c.isHighSurrogate() && i + 1 < name.size() && name.at(i + 1).isLowSurrogate())
            ++i;
        else if (c.isSurrogate())
            return true;
    }
    return false;
}

QByteArray encodeRegString(const QString& text) {
    QByteArray bytes;
    bytes.reserve((text.size() + 1) * 2);
    for (QChar c : text) {
        const char16_t u = c.unicode();
        bytes.append(static_cast<char>(u & 0xFF));
        bytes.append(static_cast<char>(u >> 8));
    }
    bytes.append('\0');
    bytes.append('\0');
    return bytes;
}

QString decodeRegString(const QByteArray& data) {
    const qsizetype units = data.size() / 2;
    QString text;
    text.reserve(units);
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData());
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t u = static_cast<char16_t>(p[2 * i] | (p[2 * i + 1] << 8));
        if (u == 0)
            break;
        text.append(QChar(u));
    }
    return text;
}

QByteArray encodeRegDword(std::uint32_t value) {
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((value >> (8 * i)) & 0xFF);
    return bytes;
}

} // namespace platform
