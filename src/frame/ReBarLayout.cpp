#include "frame/ReBarLayout.h"

#include "platform/registry/RegKey.h"

#include <QtEndian>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr int kFieldCount = ReBarLayout::kRecordSize / 4;
using Fields = std::array<std::uint32_t, kFieldCount>;

constexpr std::uint32_t kDefaultOrder[] = {kBandStandardButtons, kBandAddress, kBandAnimation,
                                           kBandLinks, kBandWindowBar};

bool isKnownBand(std::uint32_t id) {
    return std::find(std::begin(kDefaultOrder), std::end(kDefaultOrder), id) !=
           std::end(kDefaultOrder);
}

Fields toFields(const ReBarBand& b) {
    return {b.size,           b.mask,
            b.style,          b.foreColor,
            b.backColor,      b.textPointer,
            b.textLength,     static_cast<std::uint32_t>(b.image),
            b.child,          b.minChildWidth,
            b.minChildHeight, b.width,
            b.background,     b.id,
            b.childHeight,    b.maxChildHeight,
            b.heightStep,     b.idealWidth,
            b.param,          b.headerWidth};
}

ReBarBand fromFields(const Fields& f) {
    ReBarBand b;
    b.size = f[0];
    b.mask = f[1];
    b.style = f[2];
    b.foreColor = f[3];
    b.backColor = f[4];
    b.textPointer = f[5];
    b.textLength = f[6];
    b.image = static_cast<std::int32_t>(f[7]);
    b.child = f[8];
    b.minChildWidth = f[9];
    b.minChildHeight = f[10];
    b.width = f[11];
    b.background = f[12];
    b.id = f[13];
    b.childHeight = f[14];
    b.maxChildHeight = f[15];
    b.heightStep = f[16];
    b.idealWidth = f[17];
    b.param = f[18];
    b.headerWidth = f[19];
    return b;
}

// Keeps only what a restored band can use: known bits, believable sizes,
// and a plain 0/1 visibility flag.
void sanitize(ReBarBand& b) {
    b.mask &= kBandSavedMask;
    b.style &= kBandStyleKnownBits;
    b.child = b.child != 0 ? 1 : 0;
    for (std::uint32_t* extent : {&b.minChildWidth, &b.minChildHeight, &b.width, &b.childHeight,
                                  &b.maxChildHeight, &b.heightStep, &b.idealWidth, &b.headerWidth})
        *extent = std::min(*extent, ReBarLayout::kMaxExtent);
}

std::uint32_t clampToExtent(int value) {
    return static_cast<std::uint32_t>(std::clamp<std::int64_t>(value, 0, ReBarLayout::kMaxExtent));
}

ReBarBand makeBand(std::uint32_t id, std::uint32_t style, std::uint32_t minWidth,
                   std::uint32_t minHeight, std::uint32_t width,
                   std::optional<std::uint32_t> ideal) {
    ReBarBand b;
    b.mask = kBandMaskStyle | kBandMaskChild | kBandMaskChildSize | kBandMaskSize | kBandMaskId;
    b.id = id;
    b.style = style;
    b.minChildWidth = minWidth;
    b.minChildHeight = minHeight;
    b.width = width;
    if (ideal) {
        b.mask |= kBandMaskIdealSize;
        b.idealWidth = *ideal;
    }
    return b;
}

ReBarBand defaultBand(std::uint32_t id, const StandardButtonsMetrics& buttons) {
    constexpr std::uint32_t grip = kBandStyleGripperAlways;
    constexpr std::uint32_t brk = kBandStyleBreak;
    switch (id) {
    case kBandStandardButtons: {
        const std::uint32_t width = clampToExtent(std::clamp(buttons.buttonCount, 0, 1000) *
                                                      std::clamp(buttons.buttonWidth, 0, 10000) +
                                                  10);
        return makeBand(id, grip | kBandStyleFixedBitmap, clampToExtent(buttons.buttonWidth),
                        clampToExtent(buttons.buttonHeight), width, width);
    }
    case kBandAddress:
        return makeBand(id, grip | kBandStyleFixedBitmap, 200, 20, 400, 400);
    case kBandAnimation:
        return makeBand(id, kBandStyleChildEdge | kBandStyleFixedSize | kBandStyleFixedBitmap, 32,
                        18, 32, std::nullopt);
    case kBandLinks: {
        ReBarBand b = makeBand(id, brk | grip, 0, 22, 20, 20);
        b.mask |= kBandMaskText;
        b.text = QString::fromUtf16(kLinksBandText);
        return b;
    }
    default:
        return makeBand(kBandWindowBar, brk | grip, 10, 22, 10, std::nullopt);
    }
}

} // namespace

QByteArray ReBarLayout::encode() const {
    QByteArray data(kValueSize, '\0');
    const int count = std::min<int>(kBandCount, static_cast<int>(bands.size()));
    for (int i = 0; i < count; ++i) {
        // Colours and text are not part of the saved form.
        ReBarBand saved = bands[i];
        saved.mask &= kBandSavedMask;
        const Fields fields = toFields(saved);
        for (int f = 0; f < kFieldCount; ++f)
            qToLittleEndian<quint32>(fields[f], data.data() + i * kRecordSize + f * 4);
    }
    return data;
}

std::optional<ReBarLayout> ReBarLayout::decode(const QByteArray& data) {
    if (data.size() > kValueSize)
        return std::nullopt;
    ReBarLayout layout;
    const int records = static_cast<int>(data.size()) / kRecordSize;
    for (int i = 0; i < records; ++i) {
        Fields fields;
        for (int f = 0; f < kFieldCount; ++f)
            fields[f] = qFromLittleEndian<quint32>(data.constData() + i * kRecordSize + f * 4);
        ReBarBand band = fromFields(fields);
        if (band.size != static_cast<std::uint32_t>(kRecordSize) || !isKnownBand(band.id) ||
            layout.band(band.id))
            continue;
        sanitize(band);
        layout.bands.push_back(band);
    }
    if (layout.bands.empty())
        return std::nullopt;
    return layout;
}

ReBarLayout ReBarLayout::defaults(const StandardButtonsMetrics& buttons) {
    ReBarLayout layout;
    for (std::uint32_t id : kDefaultOrder)
        layout.bands.push_back(defaultBand(id, buttons));
    return layout;
}

void ReBarLayout::applyRestoreRules(const StandardButtonsMetrics& buttons) {
    for (ReBarBand& b : bands) {
        if (b.id == kBandAnimation) {
            b.style |= kBandStyleChildEdge | kBandStyleFixedSize | kBandStyleFixedBitmap;
            b.minChildWidth = 32;
            b.minChildHeight = 18;
        } else if (b.id == kBandWindowBar) {
            b.minChildWidth = 100;
        } else if (b.id == kBandLinks) {
            b.text = QString::fromUtf16(kLinksBandText);
            b.mask |= kBandMaskText;
        }
    }
    for (std::uint32_t id : kDefaultOrder) {
        if (!band(id))
            bands.push_back(defaultBand(id, buttons));
    }
}

const ReBarBand* ReBarLayout::band(std::uint32_t id) const {
    for (const ReBarBand& b : bands) {
        if (b.id == id)
            return &b;
    }
    return nullptr;
}

ReBarBand* ReBarLayout::band(std::uint32_t id) {
    return const_cast<ReBarBand*>(std::as_const(*this).band(id));
}

std::uint32_t lockedBandStyle(std::uint32_t bandId, std::uint32_t style, bool locked) {
    if (bandId == kBandAnimation)
        return style;
    style &= ~(kBandStyleGripperAlways | kBandStyleNoGripper);
    return style | (locked ? kBandStyleNoGripper : kBandStyleGripperAlways);
}

ReBarLayout readReBarLayout(const platform::RegKey& settings,
                            const StandardButtonsMetrics& buttons) {
    const auto data = settings.readBinary(QString::fromUtf16(kReBarValue));
    auto layout = data ? ReBarLayout::decode(*data) : std::nullopt;
    if (!layout)
        return ReBarLayout::defaults(buttons);
    layout->applyRestoreRules(buttons);
    return *layout;
}

platform::RegError writeReBarLayout(const platform::RegKey& settings, const ReBarLayout& layout) {
    return settings.setBinary(QString::fromUtf16(kReBarValue), layout.encode());
}
