#pragma once

#include <functional>

class CAppSettings;

// The traces the clear-history dialog can remove, as bits of ClearOption.
namespace clearbits {
inline constexpr unsigned History = 0x1;        // visited links and the visit history
inline constexpr unsigned TypedUrls = 0x2;      // the address box's typed addresses
inline constexpr unsigned TemporaryFiles = 0x4; // the engine's HTTP cache
inline constexpr unsigned ClosedWindows = 0x10000;
inline constexpr unsigned AutoCloseList = 0x20000;
} // namespace clearbits

// What removes the traces that live outside the settings record. A missing
// function removes nothing.
struct BrowsingTraceCleaners {
    std::function<void()> visitedLinks;   // the engine profile's visited links
    std::function<void()> visitHistory;   // the program's visit history
    std::function<void()> typedAddresses; // typed addresses; the box shows the active page
    std::function<void()> httpCache;      // the engine profile's HTTP cache
};

// Clears what bits select, in this order: history (0x1), typed addresses
// (0x2), the HTTP cache (0x4), the recently closed windows (0x10000, only
// while that list is enabled) and the auto-close list (0x20000). Then
// stores bits as ClearOption and, when one of the last two lists was
// emptied, saves the settings. Returns whether the settings were saved.
bool ClearBrowsingTraces(unsigned bits, CAppSettings& settings,
                         const BrowsingTraceCleaners& cleaners);
