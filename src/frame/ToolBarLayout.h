#pragma once

#include "platform/registry/RegTypes.h"

#include <QByteArray>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace platform {
class RegKey;
}

// The standard toolbar's buttons: the two button tables and the saved
// button order (settings value "ToolBar").

enum class ToolButtonStyle {
    Plain,         // a plain button
    DropDown,      // a split button: the button acts, its arrow opens a menu
    WholeDropDown, // the whole button opens its menu
};

struct ToolButtonInfo {
    int image = 0; // index into the toolbar image list (33 images)
    std::uint32_t command = 0;
    ToolButtonStyle style = ToolButtonStyle::Plain;
};

inline constexpr int kDefaultToolButtonCount = 7;
inline constexpr int kExtraToolButtonCount = 26;

// The buttons of a new or reset toolbar, in order.
const std::array<ToolButtonInfo, kDefaultToolButtonCount>& defaultToolButtons();
// The further buttons the customise dialog offers, in order.
const std::array<ToolButtonInfo, kExtraToolButtonCount>& extraToolButtons();
// The button of a command from either table, or null.
const ToolButtonInfo* findToolButton(std::uint32_t command);
// The customise dialog's list: indexes 0-25 are the extra buttons, 26-32
// the default ones; any other index is past the end (null).
const ToolButtonInfo* customizeToolButtonAt(int index);

inline constexpr char16_t kToolBarValue[] = u"ToolBar";

// The command ids of the buttons shown, in order; kToolBarSeparator stands
// for a separator.
//
// Saved form: one version byte (kFormatVersion), then each entry as a 32-bit
// little-endian number.
class ToolBarLayout {
public:
    static constexpr std::uint32_t kToolBarSeparator = 0;
    static constexpr std::uint8_t kFormatVersion = 1;
    // More entries than this are not a layout of ours.
    static constexpr int kMaxEntries = 256;

    std::vector<std::uint32_t> commands;

    QByteArray encode() const;
    // Entries that are neither a separator nor a button of the two tables,
    // and buttons that came earlier, are dropped; a trailing incomplete entry
    // is ignored. nullopt when data is empty, has another version, holds more
    // than kMaxEntries entries, or had entries of which none was usable. A
    // saved empty toolbar (the version byte alone) is a valid empty layout.
    static std::optional<ToolBarLayout> decode(const QByteArray& data);
    // The default buttons, no separators.
    static ToolBarLayout defaults();

    friend bool operator==(const ToolBarLayout&, const ToolBarLayout&) = default;
};

// Reads "ToolBar" (REG_BINARY) from the settings key; the defaults when it
// is missing, of another type or not usable.
ToolBarLayout readToolBarLayout(const platform::RegKey& settings);
platform::RegError writeToolBarLayout(const platform::RegKey& settings,
                                      const ToolBarLayout& layout);
