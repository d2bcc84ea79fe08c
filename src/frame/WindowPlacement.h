#pragma once

#include "platform/registry/RegTypes.h"

#include <QByteArray>

#include <cstdint>
#include <optional>

namespace platform {
class RegKey;
}

// The main window's saved placement: the 44-byte record kept in the
// settings value "MainFramePosition" (length, flags, show command, minimised
// position, maximised position, normal rectangle; every field a 32-bit
// little-endian number, the positions and the rectangle signed).

struct PlacementPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const PlacementPoint&, const PlacementPoint&) = default;
};

// A rectangle by its edges; right and bottom lie just outside it.
struct PlacementRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    // Computed in 64 bits so no pair of edges can overflow.
    std::int64_t width() const { return std::int64_t(right) - left; }
    std::int64_t height() const { return std::int64_t(bottom) - top; }
    friend bool operator==(const PlacementRect&, const PlacementRect&) = default;
};

// Show commands as the record stores them.
inline constexpr std::uint32_t kShowHide = 0;
inline constexpr std::uint32_t kShowNormal = 1;
inline constexpr std::uint32_t kShowMinimized = 2;
inline constexpr std::uint32_t kShowMaximized = 3;
inline constexpr std::uint32_t kShowMinimize = 6;
inline constexpr std::uint32_t kShowMinNoActivate = 7;
inline constexpr std::uint32_t kShowForceMinimize = 11;

// Name of the settings value.
inline constexpr char16_t kMainFramePositionValue[] = u"MainFramePosition";

struct WindowPlacement {
    static constexpr int kSize = 44;
    // Largest width or height of the normal rectangle, and largest distance
    // of its edges from the origin, that is believed.
    static constexpr std::int64_t kMaxExtent = 100000;

    std::uint32_t length = kSize;
    std::uint32_t flags = 0;
    std::uint32_t showCmd = kShowNormal;
    PlacementPoint minPosition;
    PlacementPoint maxPosition;
    PlacementRect normalPosition;

    QByteArray encode() const;
    // nullopt unless data is exactly kSize bytes and its length field is kSize.
    static std::optional<WindowPlacement> decode(const QByteArray& data);

    // True when the normal rectangle has a width and height from 1 to
    // kMaxExtent and no edge further than kMaxExtent from the origin.
    bool hasSaneNormalRect() const;

    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// What start-up does with a saved placement: the show command to start with
// and the rectangle to move the window to (none: leave it where it is).
struct RestoredPlacement {
    std::uint32_t showCmd = kShowNormal;
    std::optional<PlacementRect> moveTo;
    friend bool operator==(const RestoredPlacement&, const RestoredPlacement&) = default;
};

// Maximised stays maximised and is not moved. Minimised becomes normal and
// is moved to the normal rectangle; so do the other minimising and hiding
// commands and unknown ones, since the window must come up where the user
// can see it. Any other command is kept and the window moved. nullopt when
// the normal rectangle is not sane: the caller then keeps its default
// placement.
std::optional<RestoredPlacement> planRestoredPlacement(const WindowPlacement& saved);

// Reads "MainFramePosition" from the settings key: nullopt when missing, not
// REG_BINARY, or not a record decode() accepts.
std::optional<WindowPlacement> readMainFramePosition(const platform::RegKey& settings);
platform::RegError writeMainFramePosition(const platform::RegKey& settings,
                                          const WindowPlacement& placement);
