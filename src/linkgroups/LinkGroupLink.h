#pragma once

#include <QString>

// One link of a link group: the text shown for it and the address it opens.
// In a session record, Name is a window's title and URL its address.
struct LinkGroupLink {
    QString Name;
    QString URL;

    friend bool operator==(const LinkGroupLink&, const LinkGroupLink&) = default;
};
