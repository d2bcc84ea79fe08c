#include "platform/instance/InstanceProtocol.h"

#include <QtEndian>

namespace platform::instancewire {
namespace {

void appendU16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

void appendU32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

void appendU64(QByteArray& out, quint64 value) {
    char bytes[8];
    qToLittleEndian(value, bytes);
    out.append(bytes, sizeof bytes);
}

QByteArray frame(FrameKind kind, const QByteArray& payload) {
    QByteArray out;
    out.reserve(kHeaderSize + payload.size());
    appendU32(out, kMagic);
    appendU16(out, kVersion);
    appendU16(out, static_cast<quint16>(kind));
    appendU32(out, static_cast<quint32>(payload.size()));
    out.append(payload);
    return out;
}

bool knownKind(quint16 kind) {
    switch (static_cast<FrameKind>(kind)) {
    case FrameKind::FindInstance:
    case FrameKind::CopyData:
    case FrameKind::Navigate:
    case FrameKind::Result:
        return true;
    }
    return false;
}

void setError(QString* error, const QString& text) {
    if (error)
        *error = text;
}

} // namespace

std::optional<FrameHeader> parseHeader(const QByteArray& header, QString* error) {
    if (header.size() < kHeaderSize) {
        setError(error, QStringLiteral("incomplete frame header"));
        return std::nullopt;
    }
    const char* data = header.constData();
    if (qFromLittleEndian<quint32>(data) != kMagic) {
        setError(error, QStringLiteral("not an instance message"));
        return std::nullopt;
    }
    const quint16 version = qFromLittleEndian<quint16>(data + 4);
    if (version != kVersion) {
        setError(error, QStringLiteral("unsupported message version %1").arg(version));
        return std::nullopt;
    }
    const quint16 kind = qFromLittleEndian<quint16>(data + 6);
    if (!knownKind(kind)) {
        setError(error, QStringLiteral("unknown message kind %1").arg(kind));
        return std::nullopt;
    }
    FrameHeader result;
    result.kind = static_cast<FrameKind>(kind);
    result.payloadLength = qFromLittleEndian<quint32>(data + 8);
    if (!payloadLengthFits(result.kind, result.payloadLength)) {
        setError(error, QStringLiteral("message of kind %1 with a payload of %2 bytes")
                            .arg(kind)
                            .arg(result.payloadLength));
        return std::nullopt;
    }
    return result;
}

bool payloadLengthFits(FrameKind kind, quint32 length) {
    switch (kind) {
    case FrameKind::FindInstance:
        return length == 0;
    case FrameKind::CopyData:
        return length >= kCopyDataTagSize && length <= quint32(kMaxPayloadSize);
    case FrameKind::Navigate:
        return length == 16;
    case FrameKind::Result:
        return length == 8;
    }
    return false;
}

QByteArray findInstanceRequest() {
    return frame(FrameKind::FindInstance, {});
}

QByteArray copyDataRequest(quint64 tag, const QByteArray& data) {
    if (data.size() > kMaxCopyDataBytes)
        return {};
    QByteArray payload;
    payload.reserve(kCopyDataTagSize + data.size());
    appendU64(payload, tag);
    payload.append(data);
    return frame(FrameKind::CopyData, payload);
}

QByteArray navigateRequest(quint64 wParam, quint64 lParam) {
    QByteArray payload;
    appendU64(payload, wParam);
    appendU64(payload, lParam);
    return frame(FrameKind::Navigate, payload);
}

QByteArray resultReply(quint64 result) {
    QByteArray payload;
    appendU64(payload, result);
    return frame(FrameKind::Result, payload);
}

quint64 readU64(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint64>(bytes.constData() + offset);
}

QByteArray copyDataFromText(const QString& text) {
    QByteArray out;
    out.reserve((text.size() + 1) * 2);
    for (QChar c : text)
        appendU16(out, c.unicode());
    appendU16(out, 0);
    return out;
}

QString textFromCopyData(const QByteArray& data) {
    QString text;
    const int units = data.size() / 2;
    text.reserve(units);
    for (int i = 0; i < units; ++i) {
        const quint16 unit = qFromLittleEndian<quint16>(data.constData() + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}

} // namespace platform::instancewire
