#include "frame/HandOverAddress.h"

#include <QtEndian>

QString decodeHandedOverAddress(const QByteArray& data) {
    const qsizetype units = data.size() / 2;
    QString text;
    text.reserve(units);
    for (qsizetype i = 0; i < units; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(data.constData() + 2 * i);
        if (unit == 0)
            break;
        text.append(QChar(unit));
    }
    return text;
}
