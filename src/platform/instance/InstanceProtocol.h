#pragma once

#include <QByteArray>
#include <QString>

#include <QtGlobal>

#include <optional>

// The wire format spoken between running instances over their local sockets.
//
// One connection carries exactly one request and, when the request is valid,
// one reply; the server then closes the connection. Bytes a client sends after
// its request frame are never read.
//
// A frame is a 12-byte header followed by its payload; integers are
// little-endian:
//   u32 magic           0x4E495251 (the bytes 'Q' 'R' 'I' 'N')
//   u16 version         1
//   u16 kind            see FrameKind
//   u32 payload length  in bytes, bounded per kind
// Payloads:
//   FindInstance  empty
//   CopyData      u64 tag, then 0..kMaxCopyDataBytes data bytes
//   Navigate      u64 wParam, u64 lParam
//   Result        u64 result (the only reply kind)
// The server answers FindInstance with its own instance id and CopyData and
// Navigate with what its handler returned. A frame with a wrong magic, version
// or kind, or a payload length that does not fit its kind, gets no reply: the
// connection is closed and nothing reaches a handler.
namespace platform {

// Identifies a running main window: the process id of its program.
using InstanceId = qint32;

namespace instancewire {

enum class FrameKind : quint16 {
    FindInstance = 1,
    CopyData = 2,
    Navigate = 3,
    Result = 0x80,
};

inline constexpr quint32 kMagic = 0x4E495251;
inline constexpr quint16 kVersion = 1;
inline constexpr int kHeaderSize = 12;
inline constexpr int kCopyDataTagSize = 8;
// Largest data block of one CopyData request (an address of 32767 UTF-16
// characters with its terminating zero fits).
inline constexpr int kMaxCopyDataBytes = 64 * 1024;
inline constexpr int kMaxPayloadSize = kCopyDataTagSize + kMaxCopyDataBytes;

struct FrameHeader {
    FrameKind kind = FrameKind::FindInstance;
    quint32 payloadLength = 0;
};

// Reads and checks the first kHeaderSize bytes of header. Returns nullopt when
// there are fewer bytes or the header must be refused; error (when given)
// then says why.
std::optional<FrameHeader> parseHeader(const QByteArray& header, QString* error = nullptr);

// Whether a payload of that length is acceptable for the kind.
bool payloadLengthFits(FrameKind kind, quint32 length);

// Complete frames ready to send. copyDataRequest returns an empty array when
// data is longer than kMaxCopyDataBytes.
QByteArray findInstanceRequest();
QByteArray copyDataRequest(quint64 tag, const QByteArray& data);
QByteArray navigateRequest(quint64 wParam, quint64 lParam);
QByteArray resultReply(quint64 result);

// Reads a little-endian u64 at offset; the caller guarantees 8 bytes there.
quint64 readU64(const QByteArray& bytes, int offset);

// The data block that hands a text over: UTF-16 (little-endian) with a
// terminating zero character; its size counts that zero.
QByteArray copyDataFromText(const QString& text);

// The text of such a block: at most its size in bytes, cut at the first zero
// character; a trailing odd byte is ignored.
QString textFromCopyData(const QByteArray& data);

} // namespace instancewire
} // namespace platform
