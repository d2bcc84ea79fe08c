#include "frame/ToolBarLayout.h"

#include "platform/registry/RegKey.h"

#include <QtEndian>

#include <algorithm>

namespace {

using S = ToolButtonStyle;

constexpr std::array<ToolButtonInfo, kDefaultToolButtonCount> kDefaultButtons = {{
    {0, 32774, S::DropDown},  // new blank window, first engine
    {1, 32833, S::DropDown},  // new blank window, second engine
    {9, 32779, S::DropDown},  // back
    {10, 32780, S::DropDown}, // forward
    {11, 32781, S::Plain},    // stop
    {13, 32787, S::Plain},    // refresh
    {4, 57602, S::Plain},     // close window
}};

constexpr std::array<ToolButtonInfo, kExtraToolButtonCount> kExtraButtons = {{
    {6, 57635, S::Plain},          // cut
    {7, 57634, S::Plain},          // copy
    {8, 57637, S::Plain},          // paste
    {2, 57601, S::Plain},          // open
    {3, 57604, S::Plain},          // save as
    {32, 33265, S::WholeDropDown}, // edit page
    {21, 57607, S::Plain},         // print
    {18, 32793, S::WholeDropDown}, // text size
    {12, 32782, S::Plain},         // stop all
    {5, 32776, S::Plain},          // close all
    {14, 32788, S::Plain},         // refresh all
    {15, 32783, S::Plain},         // home
    {16, 32784, S::Plain},         // search
    {19, 32808, S::Plain},         // news
    {20, 32807, S::Plain},         // mail
    {27, 57650, S::Plain},         // cascade
    {28, 57651, S::Plain},         // tile horizontally
    {29, 57652, S::Plain},         // tile vertically
    {17, 32845, S::DropDown},      // favorites
    {23, 32840, S::Plain},         // folders
    {24, 32841, S::Plain},         // history
    {31, 32812, S::WholeDropDown}, // recently closed windows
    {25, 32798, S::Plain},         // options
    {30, 32799, S::DropDown},      // Internet options
    {26, 32946, S::Plain},         // clear history
    {22, 32797, S::Plain},         // full screen
}};

} // namespace

const std::array<ToolButtonInfo, kDefaultToolButtonCount>& defaultToolButtons() {
    return kDefaultButtons;
}

const std::array<ToolButtonInfo, kExtraToolButtonCount>& extraToolButtons() {
    return kExtraButtons;
}

const ToolButtonInfo* findToolButton(std::uint32_t command) {
    for (const ToolButtonInfo& button : kDefaultButtons) {
        if (button.command == command)
            return &button;
    }
    for (const ToolButtonInfo& button : kExtraButtons) {
        if (button.command == command)
            return &button;
    }
    return nullptr;
}

const ToolButtonInfo* customizeToolButtonAt(int index) {
    if (index >= 0 && index < kExtraToolButtonCount)
        return &kExtraButtons[index];
    index -= kExtraToolButtonCount;
    if (index >= 0 && index < kDefaultToolButtonCount)
        return &kDefaultButtons[index];
    return nullptr;
}

QByteArray ToolBarLayout::encode() const {
    QByteArray data(1, static_cast<char>(kFormatVersion));
    for (std::uint32_t command : commands) {
        char bytes[4];
        qToLittleEndian<quint32>(command, bytes);
        data.append(bytes, 4);
    }
    return data;
}

std::optional<ToolBarLayout> ToolBarLayout::decode(const QByteArray& data) {
    if (data.isEmpty() || static_cast<std::uint8_t>(data[0]) != kFormatVersion)
        return std::nullopt;
    const qsizetype entries = (data.size() - 1) / 4;
    if (entries > kMaxEntries)
        return std::nullopt;
    ToolBarLayout layout;
    for (qsizetype i = 0; i < entries; ++i) {
        const std::uint32_t command = qFromLittleEndian<quint32>(data.constData() + 1 + i * 4);
        const bool usable =
            command == kToolBarSeparator ||
            (findToolButton(command) && std::find(layout.commands.begin(), layout.commands.end(),
                                                  command) == layout.commands.end());
        if (usable)
            layout.commands.push_back(command);
    }
    if (entries > 0 && layout.commands.empty())
        return std::nullopt;
    return layout;
}

ToolBarLayout ToolBarLayout::defaults() {
    ToolBarLayout layout;
    for (const ToolButtonInfo& button : kDefaultButtons)
        layout.commands.push_back(button.command);
    return layout;
}

ToolBarLayout readToolBarLayout(const platform::RegKey& settings) {
    const auto data = settings.readBinary(QString::fromUtf16(kToolBarValue));
    auto layout = data ? ToolBarLayout::decode(*data) : std::nullopt;
    return layout ? *layout : ToolBarLayout::defaults();
}

platform::RegError writeToolBarLayout(const platform::RegKey& settings,
                                      const ToolBarLayout& layout) {
    return settings.setBinary(QString::fromUtf16(kToolBarValue), layout.encode());
}
