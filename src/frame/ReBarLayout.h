#pragma once

#include "platform/registry/RegTypes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform {
class RegKey;
}

// The top bar area's band layout as kept in the settings value "ReBar":
// exactly 400 bytes, five band records of 80 bytes in band order. Each
// record has twenty 32-bit little-endian fields in this order: size, mask,
// style, foreground colour, background colour, text pointer, text length,
// image, child, minimum child width, minimum child height, width,
// background bitmap, id, child height, maximum child height, height step,
// ideal width, parameter, header width. The child field holds 1 when the
// band's bar was visible and 0 when not; the text pointer means nothing
// once saved.

// Band ids.
inline constexpr std::uint32_t kBandStandardButtons = 1007;
inline constexpr std::uint32_t kBandAddress = 1008;
inline constexpr std::uint32_t kBandAnimation = 1009;
inline constexpr std::uint32_t kBandWindowBar = 1010;
inline constexpr std::uint32_t kBandLinks = 1014;

// Mask bits: which fields of a record are meant.
inline constexpr std::uint32_t kBandMaskStyle = 0x1;
inline constexpr std::uint32_t kBandMaskColors = 0x2;
inline constexpr std::uint32_t kBandMaskText = 0x4;
inline constexpr std::uint32_t kBandMaskImage = 0x8;
inline constexpr std::uint32_t kBandMaskChild = 0x10;
inline constexpr std::uint32_t kBandMaskChildSize = 0x20;
inline constexpr std::uint32_t kBandMaskSize = 0x40;
inline constexpr std::uint32_t kBandMaskBackground = 0x80;
inline constexpr std::uint32_t kBandMaskId = 0x100;
inline constexpr std::uint32_t kBandMaskIdealSize = 0x200;
inline constexpr std::uint32_t kBandMaskParam = 0x400;
inline constexpr std::uint32_t kBandMaskHeaderSize = 0x800;
// The fields a band is saved with: every one but colours and text.
inline constexpr std::uint32_t kBandSavedMask = 0xFF9;

// Style bits.
inline constexpr std::uint32_t kBandStyleBreak = 0x1; // starts a new row
inline constexpr std::uint32_t kBandStyleFixedSize = 0x2;
inline constexpr std::uint32_t kBandStyleChildEdge = 0x4;
inline constexpr std::uint32_t kBandStyleHidden = 0x8;
inline constexpr std::uint32_t kBandStyleNoVert = 0x10;
inline constexpr std::uint32_t kBandStyleFixedBitmap = 0x20;
inline constexpr std::uint32_t kBandStyleVariableHeight = 0x40;
inline constexpr std::uint32_t kBandStyleGripperAlways = 0x80;
inline constexpr std::uint32_t kBandStyleNoGripper = 0x100;
inline constexpr std::uint32_t kBandStyleKnownBits = 0xFFF;

// The links band's caption: the word for links and three blanks.
inline constexpr char16_t kLinksBandText[] = u"链接   ";

inline constexpr char16_t kReBarValue[] = u"ReBar";

struct ReBarBand {
    std::uint32_t size = 80;
    std::uint32_t mask = 0;
    std::uint32_t style = 0;
    std::uint32_t foreColor = 0;
    std::uint32_t backColor = 0;
    std::uint32_t textPointer = 0;
    std::uint32_t textLength = 0;
    std::int32_t image = 0;
    std::uint32_t child = 1; // 1: the band's bar is visible, 0: hidden
    std::uint32_t minChildWidth = 0;
    std::uint32_t minChildHeight = 0;
    std::uint32_t width = 0;
    std::uint32_t background = 0;
    std::uint32_t id = 0;
    std::uint32_t childHeight = 0;
    std::uint32_t maxChildHeight = 0;
    std::uint32_t heightStep = 0;
    std::uint32_t idealWidth = 0;
    std::uint32_t param = 0;
    std::uint32_t headerWidth = 0;
    // The caption; not part of the saved record.
    QString text;

    // The visibility flag decides whether the band is shown; the hidden
    // style bit is not consulted.
    bool visible() const { return child != 0; }
    bool startsRow() const { return (style & kBandStyleBreak) != 0; }

    friend bool operator==(const ReBarBand&, const ReBarBand&) = default;
};

// What the default layout needs to know of the standard toolbar.
struct StandardButtonsMetrics {
    int buttonWidth = 0;  // of the first button
    int buttonHeight = 0; // of the first button
    int buttonCount = 0;
};

class ReBarLayout {
public:
    static constexpr int kBandCount = 5;
    static constexpr int kRecordSize = 80;
    static constexpr int kValueSize = kBandCount * kRecordSize;
    // Sizes in a record above this are clamped to it.
    static constexpr std::uint32_t kMaxExtent = 100000;

    // The bands in order (index 0 is first).
    std::vector<ReBarBand> bands;

    // Exactly kValueSize bytes: the first five bands, their masks without
    // the colour and text bits, their captions left out; missing bands are
    // written as all-zero records (which decode() drops).
    QByteArray encode() const;

    // The sound records of data, in stored order. Only complete records are
    // read, so a short value is read as far as it goes. A record is dropped
    // when its size field is not 80, its id is not one of the five band ids,
    // or the id came earlier. Mask and style lose unknown bits (and the mask
    // loses colours and text); sizes are clamped to kMaxExtent. nullopt when
    // data is longer than kValueSize or holds no sound record.
    static std::optional<ReBarLayout> decode(const QByteArray& data);

    // The layout of a first run: standard buttons, address, animation,
    // links (new row), window bar (new row), all visible.
    static ReBarLayout defaults(const StandardButtonsMetrics& buttons);

    // Makes a decoded layout ready to use: the animation band gets child
    // edge, fixed size and fixed bitmap and a minimum child size of 32 x 18;
    // the window bar band a minimum child width of 100; the links band its
    // caption (and the text mask bit). Bands missing from the saved value
    // are appended as in the defaults, so every bar has its band.
    void applyRestoreRules(const StandardButtonsMetrics& buttons);

    // The band with this id, or null.
    const ReBarBand* band(std::uint32_t id) const;
    ReBarBand* band(std::uint32_t id);

    friend bool operator==(const ReBarLayout&, const ReBarLayout&) = default;
};

// Replaces the gripper bits of style: no gripper when locked, gripper
// always when not. The animation band keeps its style.
std::uint32_t lockedBandStyle(std::uint32_t bandId, std::uint32_t style, bool locked);

// Reads "ReBar" (REG_BINARY) from the settings key and applies the restore
// rules; the defaults when the value is missing, of another type, or has no
// sound record.
ReBarLayout readReBarLayout(const platform::RegKey& settings,
                            const StandardButtonsMetrics& buttons);
platform::RegError writeReBarLayout(const platform::RegKey& settings, const ReBarLayout& layout);
