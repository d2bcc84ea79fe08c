#pragma once

#include "quickcommands/QuickCommand.h"

#include <QList>
#include <QString>

#include <optional>

// What the address bar makes of the typed text when the user presses Enter;
// the widgets only apply the answer.

// Completes a typed address: trims white space at both ends; with ctrl (Ctrl
// held), a text that holds neither "www." nor ".com" anywhere, ignoring case,
// becomes "www." + text + ".com" (the text's own letter case kept). nullopt
// when nothing is left after trimming: the typed text then stays as it is.
std::optional<QString> CompleteAddress(const QString& text, bool ctrl);

// The answer to one Enter in the address bar.
struct AddressBarRequest {
    // The address box's new text; nullopt leaves the typed text as it is.
    std::optional<QString> text;
    // The address to open; empty opens nothing.
    QString navigateTo;
    // Whether the view remembers the navigation for the typed-address list:
    // typed addresses are remembered, quick commands are not.
    bool remember = false;
};

// A quick command (see TranslateQuickCommand) is translated and never
// completed, Ctrl or not; any other text is completed by CompleteAddress.
AddressBarRequest ResolveAddressBarInput(const QString& text, bool ctrl,
                                         const QList<QuickCommand>& commands);
