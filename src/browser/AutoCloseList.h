#pragma once

#include <QString>
#include <QStringList>

// The rules of the auto-close list: an ordered list of address patterns (the
// forms are told in AutoCloseEntry.h), held by the settings record.

// Whether a window whose first real address is url is to be closed: true when
// some entry matches, in list order. An exact entry matches a URL equal to it
// ignoring case; a prefix entry matches a URL that begins with it, both
// lower-cased. '/' and '\' count as the same character. Disabled and empty
// entries never match; an entry that is only '*' matches every URL.
bool IsAutoCloseAddress(const QStringList& list, const QString& url);

// Adds address (with its own '!' and '*') at the end of *list, after removing
// every entry equal to it when both are taken without a leading '!' and
// compared ignoring case. An address that is empty without its '!' could never
// match: it is not added and the list stays as it was (false).
bool AddAutoCloseAddress(QStringList* list, const QString& address);

// Whether candidate, without a leading '!', equals the link of some entry
// other than the one at exceptIndex (-1: none is left out), ignoring case.
// The entry dialog uses it to refuse an address the list already holds.
bool IsAutoCloseDuplicate(const QStringList& list, const QString& candidate, int exceptIndex);
