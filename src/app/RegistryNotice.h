#pragma once

#include "platform/registry/RegProblem.h"

#include <QSet>
#include <QString>

#include <functional>

// Tells the user what is wrong with the settings file (read-only, locked and
// by whom, disk full, device failed, damaged and where the damaged copy was
// kept), once per cause for the whole run: a store that keeps failing the
// same way does not repeat itself at every save.
class RegistryNotice {
public:
    // show displays one message (the program's error box; tests record).
    using Show = std::function<void(const QString& text)>;
    explicit RegistryNotice(Show show) : show_(std::move(show)) {}

    // Shows the message for problem unless one for the same cause was shown
    // already. Returns whether it was shown.
    bool Report(const platform::RegProblem& problem);

    // The message for problem, from the string table.
    static QString Text(const platform::RegProblem& problem);

private:
    Show show_;
    QSet<int> shown_;
};
