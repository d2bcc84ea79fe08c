#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// The small rules a browser window applies to what its engine reports:
// titles, progress, script addresses and the download-control commands.
// Pure functions; no window needed.

// Longest title kept whole; longer ones are cut to kTitleCut characters
// followed by "...".
inline constexpr int kMaxTitleLength = 128;
inline constexpr int kTitleCut = 125;

// The text shown for a page without a title: the word for untitled followed
// by five blanks.
QString UntitledTitle();

// Every "%20" becomes a blank; a result longer than kMaxTitleLength is cut to
// its first kTitleCut characters and "...".
QString ApplyTitleRule(const QString& title);

// The load progress in percent (0..100) of progress out of max: 100 unless
// max > 0 and progress < max; a negative progress then counts as max.
// Exact for every 64-bit input and never overflows.
int ProgressPercent(std::int64_t progress, std::int64_t max);

// The window caption while a page loads. ruledTitle has the title rule
// applied. Empty title: "未命名 [ N % ]     "; an active window at 100 %:
// the plain title; otherwise "title [ N % ]".
QString ProgressCaption(const QString& ruledTitle, int percent, bool active);

// The mark a window that finished loading in the background carries.
inline constexpr char16_t kCompleteMark[] = u" [ 100 % ]";

// Whether url runs a script ("javascript:", "vbscript:"): it contains
// "script:" anywhere, letter case as given.
bool IsScriptUrl(const QString& url);
// Whether url is "about:blank", ignoring letter case.
bool IsAboutBlank(const QString& url);

// The download-control bit a command 33150..33156 toggles; nothing for any
// other id.
std::optional<std::uint32_t> DownloadCommandBit(unsigned id);
// Whether the command's menu item carries its check mark for flags: the
// images, video, sound and no-messages items when their bit is set, the
// ActiveX, Java and script items when their (prohibiting) bit is clear.
bool DownloadCommandChecked(unsigned id, std::uint32_t flags);

// Print preview needs engine version 5.50 or later.
bool PrintPreviewAllowed(int major, int minor);
