#pragma once

#include <QString>

namespace platform {
class Registry;
}

// The browser engine's version as the program checks it at start-up: three
// numbers, each 0 when absent or unreadable.
struct IeVersion {
    int major = 0;
    int minor = 0;
    int build = 0;

    friend bool operator==(const IeVersion&, const IeVersion&) = default;
};

// Registry location of the version (HKEY_LOCAL_MACHINE).
inline constexpr char16_t kIeKeyPath[] = u"SOFTWARE\\Microsoft\\Internet Explorer";
inline constexpr char16_t kIeVersionValue[] = u"Version";

// Parses "major.minor.build[.more]": each part is the run of decimal digits
// at its start (leading blanks skipped); a part without digits, or a missing
// part, is 0. Numbers too large for an int are clamped to INT_MAX, so any
// text is safe. "6.0.2800.1106" -> 6, 0, 2800; "5.50" -> 5, 50, 0.
IeVersion parseIeVersion(const QString& text);

// Reads and parses HKLM\SOFTWARE\Microsoft\Internet Explorer "Version";
// all zero when missing. registry null means the process's own.
IeVersion readIeVersion(platform::Registry* registry = nullptr);

// Stores engineVersion as the "Version" above unless a usable one is stored
// already (a stored non-empty string wins; a missing, empty or non-string
// value is replaced). Returns true when a usable value is in place afterwards.
bool seedEngineVersion(const QString& engineVersion, platform::Registry* registry = nullptr);
