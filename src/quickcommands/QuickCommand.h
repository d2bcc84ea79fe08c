#pragma once

#include <QString>

// Entry limits of a quick command's texts, in characters. The dialogs refuse
// longer texts; loading takes at least this much back.
inline constexpr int kQuickCommandTitleMaxLength = 64;
inline constexpr int kQuickCommandCommandMaxLength = 32;
inline constexpr int kQuickCommandUrlMaxLength = 4096;

// A short word typed into the address bar instead of an address.
struct QuickCommand {
    // Type values. Any other value behaves like Open.
    static constexpr int Open = 0;   // the URL opens unchanged
    static constexpr int Search = 1; // the text after the word replaces "%s" in the URL

    int Type = Open;
    QString Title;   // display name
    QString Command; // the word typed, one word without blanks
    QString URL;     // the target; "%s" marks the place of the search text

    friend bool operator==(const QuickCommand&, const QuickCommand&) = default;
};
