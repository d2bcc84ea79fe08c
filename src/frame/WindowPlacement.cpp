#include "frame/WindowPlacement.h"

#include "platform/registry/RegKey.h"

#include <QtEndian>

namespace {

void putU32(char* out, std::uint32_t value) {
    qToLittleEndian<quint32>(value, out);
}
void putI32(char* out, std::int32_t value) {
    qToLittleEndian<qint32>(value, out);
}
std::uint32_t getU32(const char* in) {
    return qFromLittleEndian<quint32>(in);
}
std::int32_t getI32(const char* in) {
    return qFromLittleEndian<qint32>(in);
}

bool withinExtent(std::int64_t value) {
    return value >= -WindowPlacement::kMaxExtent && value <= WindowPlacement::kMaxExtent;
}

} // namespace

QByteArray WindowPlacement::encode() const {
    QByteArray data(kSize, '\0');
    char* p = data.data();
    putU32(p + 0, length);
    putU32(p + 4, flags);
    putU32(p + 8, showCmd);
    putI32(p + 12, minPosition.x);
    putI32(p + 16, minPosition.y);
    putI32(p + 20, maxPosition.x);
    putI32(p + 24, maxPosition.y);
    putI32(p + 28, normalPosition.left);
    putI32(p + 32, normalPosition.top);
    putI32(p + 36, normalPosition.right);
    putI32(p + 40, normalPosition.bottom);
    return data;
}

std::optional<WindowPlacement> WindowPlacement::decode(const QByteArray& data) {
    if (data.size() != kSize)
        return std::nullopt;
    const char* p = data.constData();
    WindowPlacement placement;
    placement.length = getU32(p + 0);
    if (placement.length != static_cast<std::uint32_t>(kSize))
        return std::nullopt;
    placement.flags = getU32(p + 4);
    placement.showCmd = getU32(p + 8);
    placement.minPosition = {getI32(p + 12), getI32(p + 16)};
    placement.maxPosition = {getI32(p + 20), getI32(p + 24)};
    placement.normalPosition = {getI32(p + 28), getI32(p + 32), getI32(p + 36), getI32(p + 40)};
    return placement;
}

bool WindowPlacement::hasSaneNormalRect() const {
    const PlacementRect& r = normalPosition;
    return r.width() > 0 && r.height() > 0 && r.width() <= kMaxExtent && r.height() <= kMaxExtent &&
           withinExtent(r.left) && withinExtent(r.top) && withinExtent(r.right) &&
           withinExtent(r.bottom);
}

std::optional<RestoredPlacement> planRestoredPlacement(const WindowPlacement& saved) {
    if (!saved.hasSaneNormalRect())
        return std::nullopt;
    RestoredPlacement plan;
    switch (saved.showCmd) {
    case kShowMaximized:
        plan.showCmd = kShowMaximized;
        return plan;
    case kShowHide:
    case kShowMinimized:
    case kShowMinimize:
    case kShowMinNoActivate:
    case kShowForceMinimize:
        plan.showCmd = kShowNormal;
        break;
    default:
        plan.showCmd = saved.showCmd <= kShowForceMinimize ? saved.showCmd : kShowNormal;
        break;
    }
    plan.moveTo = saved.normalPosition;
    return plan;
}

std::optional<WindowPlacement> readMainFramePosition(const platform::RegKey& settings) {
    const auto data = settings.readBinary(QString::fromUtf16(kMainFramePositionValue));
    if (!data)
        return std::nullopt;
    return WindowPlacement::decode(*data);
}

platform::RegError writeMainFramePosition(const platform::RegKey& settings,
                                          const WindowPlacement& placement) {
    return settings.setBinary(QString::fromUtf16(kMainFramePositionValue), placement.encode());
}
