#pragma once

#include <QString>

// One entry of the auto-close list taken apart. Entry forms (A is an address):
//   A       enabled, exact: matches a URL equal to A
//   A*      enabled, prefix: matches every URL that begins with A; only a '*'
//           that is the entry's last character is the wildcard, a '*'
//           anywhere else is an ordinary character
//   !A, !A* the same patterns, disabled: never matched, kept in the list
//   empty   never matched
struct AutoCloseEntry {
    enum class Form { Empty, Exact, Prefix };

    Form form = Form::Empty;
    bool enabled = false;
    // The entry without its leading '!' (what the list shows as the link).
    QString link;
    // The link without the wildcard '*' of a prefix entry.
    QString pattern;

    static AutoCloseEntry parse(const QString& entry);
    // Whether this entry matches url by the rule of IsAutoCloseAddress.
    bool matches(const QString& url) const;
};
