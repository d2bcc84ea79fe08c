#pragma once

#include <QString>

// An entry of the recently closed windows: the window's title, a line feed,
// and the window's address.

// The address part: the text after the first line feed when there is one and
// it is not the last character; "about:blank" otherwise (no line feed or an
// empty address). A window without a title keeps its address.
QString ClosedWindowEntryAddress(const QString& entry);

// The title part: the text before the first line feed (all of it when there is
// none).
QString ClosedWindowEntryTitle(const QString& entry);

// Builds an entry from its two parts.
QString MakeClosedWindowEntry(const QString& title, const QString& address);
