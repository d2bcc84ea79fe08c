#pragma once

#include <QString>

namespace platform {

// The system's text for an error code (the codes the registry and other
// stand-ins report, numbered as on Windows), as the system message table
// words it; "Unknown error." for a code without a text.
QString SystemErrorText(long code);

} // namespace platform
