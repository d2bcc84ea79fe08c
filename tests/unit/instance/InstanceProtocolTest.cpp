#include "platform/instance/InstanceProtocol.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace platform::instancewire;

namespace {

QByteArray header(quint32 magic, quint16 version, quint16 kind, quint32 length) {
    QByteArray out(kHeaderSize, '\0');
    for (int i = 0; i < 4; ++i) {
        out[i] = char((magic >> (8 * i)) & 0xff);
        out[8 + i] = char((length >> (8 * i)) & 0xff);
    }
    out[4] = char(version & 0xff);
    out[5] = char(version >> 8);
    out[6] = char(kind & 0xff);
    out[7] = char(kind >> 8);
    return out;
}

} // namespace

TEST(InstanceProtocol, TextTravelsAsUtf16WithItsTerminatingZero) {
    // "a", U+00E9, U+6F22 and a character outside the basic plane (a pair).
    const QString text = QString::fromUtf8("a\xC3\xA9\xE6\xBC\xA2\xF0\x9F\x98\x80");
    const QByteArray data = copyDataFromText(text);
    const QByteArray expected("a\0\xE9\0\x22\x6F\x3D\xD8\x00\xDE\0\0", 12);
    EXPECT_EQ(data, expected);
    EXPECT_EQ(textFromCopyData(data), text);

    EXPECT_EQ(copyDataFromText(QString()), QByteArray("\0\0", 2));
    EXPECT_EQ(textFromCopyData(QByteArray("\0\0", 2)), QString());
}

TEST(InstanceProtocol, ReceivedTextStopsAtTheFirstZeroAndTheDataSize) {
    EXPECT_EQ(textFromCopyData(QByteArray("a\0b\0\0\0c\0", 8)), QStringLiteral("ab"));
    // No terminating zero: the size alone bounds it; an odd last byte is dropped.
    EXPECT_EQ(textFromCopyData(QByteArray("x\0y\0z", 5)), QStringLiteral("xy"));
    EXPECT_EQ(textFromCopyData(QByteArray()), QString());
}

TEST(InstanceProtocol, FramesCarryTheirValuesLittleEndian) {
    const QByteArray navigate = navigateRequest(0x0102, 0xA1B2C3D4E5F60718ull);
    ASSERT_EQ(navigate.size(), kHeaderSize + 16);
    EXPECT_EQ(navigate.left(4), QByteArray("QRIN"));
    auto parsed = parseHeader(navigate);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->kind, FrameKind::Navigate);
    EXPECT_EQ(parsed->payloadLength, 16u);
    EXPECT_EQ(readU64(navigate, kHeaderSize), 0x0102u);
    EXPECT_EQ(readU64(navigate, kHeaderSize + 8), 0xA1B2C3D4E5F60718ull);

    const QByteArray copy = copyDataRequest(7, QByteArray("xyz"));
    parsed = parseHeader(copy);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->kind, FrameKind::CopyData);
    EXPECT_EQ(parsed->payloadLength, 11u);
    EXPECT_EQ(readU64(copy, kHeaderSize), 7u);
    EXPECT_EQ(copy.mid(kHeaderSize + 8), QByteArray("xyz"));

    parsed = parseHeader(resultReply(~0ull));
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->kind, FrameKind::Result);
}

TEST(InstanceProtocol, CopyDataIsBoundedOnBothSides) {
    EXPECT_FALSE(copyDataRequest(0, QByteArray(kMaxCopyDataBytes, 'a')).isEmpty());
    EXPECT_TRUE(copyDataRequest(0, QByteArray(kMaxCopyDataBytes + 1, 'a')).isEmpty());
    const quint16 kind = quint16(FrameKind::CopyData);
    EXPECT_TRUE(parseHeader(header(kMagic, kVersion, kind, kMaxPayloadSize)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, kind, kMaxPayloadSize + 1)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, kind, 0xFFFFFFFFu)));
    // The tag must be there.
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, kind, 7)));
}

TEST(InstanceProtocol, HeadersThatMustBeRefused) {
    QString error;
    EXPECT_FALSE(parseHeader(QByteArray("QRIN", 4), &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(parseHeader(header(0x4E495252, kVersion, 1, 0)));
    EXPECT_FALSE(parseHeader(header(kMagic, 2, 1, 0)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, 0, 0)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, 4, 0)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, quint16(FrameKind::FindInstance), 1)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, quint16(FrameKind::Navigate), 15)));
    EXPECT_FALSE(parseHeader(header(kMagic, kVersion, quint16(FrameKind::Result), 16)));
    EXPECT_TRUE(parseHeader(header(kMagic, kVersion, quint16(FrameKind::FindInstance), 0)));
}
