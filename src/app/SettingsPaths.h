#pragma once

// Registry key paths (current user) of the settings store.
inline constexpr char16_t kSettingsKeyPath[] = u"Software\\Ovrel\\Quorrelin\\Settings";
inline constexpr char16_t kAutoCloseKeyPath[] = u"Software\\Ovrel\\Quorrelin\\Settings\\AutoClose";
inline constexpr char16_t kClosedWindowsKeyPath[] =
    u"Software\\Ovrel\\Quorrelin\\Settings\\ClosedWindows";
inline constexpr char16_t kSessionsKeyPath[] = u"Software\\Ovrel\\Quorrelin\\Settings\\Sessions";

// Value prefixes of the two string lists kept by the settings store.
inline constexpr char16_t kAutoClosePrefix[] = u"url";
inline constexpr char16_t kClosedWindowsPrefix[] = u"window";

// The value in the settings key naming the main window of the instance that
// last started or exited.
inline constexpr char16_t kLastSessionValue[] = u"LastSession";
