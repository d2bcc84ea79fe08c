#pragma once

#include <QString>

// Pages the engine shows itself.
namespace enginepages {

// The page for text that is no address at all: its title and a line that
// names the text (escaped, so it shows as typed and is never markup).
QString InvalidAddressPage(const QString& text);

} // namespace enginepages
