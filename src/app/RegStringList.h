#pragma once

#include "platform/registry/RegTypes.h"

#include <QString>
#include <QStringList>

class IErrorReporter;
namespace platform {
class Registry;
}

// A list of strings kept under one key of the current user as values
// prefix1, prefix2, ... of type REG_EXPAND_SZ. Used for the auto-close list,
// the recently closed windows and the typed-address history.

enum class StringListMode {
    Append, // every value read is appended to the list
    Slot,   // value n goes to entry n - 1; values beyond the capacity are skipped
};

// Most values ReadStringList reads from one key: it bounds what a damaged or
// hostile registry can make a load read.
inline constexpr int kMaxStringListValues = 10000;

// Rewrites the list whole, in one registry transaction: deletes keyPath with
// its subtree and, unless the list is empty, creates it again and writes the
// non-empty entries in list order as prefix1, prefix2, ... (empty entries
// leave no gap). When the key cannot be created, or the transaction cannot be
// committed, the error goes to reporter (null: not shown) and the old list
// stays as it was. Returns ERROR_SUCCESS or that error.
platform::RegError WriteStringList(const QString& keyPath, const QString& prefix,
                                   const QStringList& list, IErrorReporter* reporter = nullptr,
                                   platform::Registry* registry = nullptr);

// Reads prefix1, prefix2, ... from keyPath, stopping at the first value that
// is missing or not a string, and after kMaxStringListValues values. Append
// mode appends each value to *list. Slot mode stores value n in entry n - 1
// of *list when n - 1 is below both capacity and the list's size, and skips it
// otherwise. Returns the number of values read (skipped ones included).
// A value that cannot be read because the store fails (a damaged page, a
// device error) is not the end of the list: reading stops there and error
// (when given) receives the failure; otherwise it receives ERROR_SUCCESS.
int ReadStringList(const QString& keyPath, const QString& prefix, StringListMode mode, int capacity,
                   QStringList* list, platform::Registry* registry = nullptr,
                   platform::RegError* error = nullptr);
