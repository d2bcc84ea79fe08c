#pragma once

#include <QString>

// Whether address runs script in whatever page it is opened in
// ("javascript:", "vbscript:", "livescript:"), read the way a browser reads
// it: leading blanks and control characters skipped, tabs and line breaks
// inside ignored, any letter case. Such an address handed over by another
// process must never reach an existing page, where it would run with that
// page's rights.
bool IsScriptAddress(const QString& address);
