#include "browser/engine/EnginePages.h"

#include "res/MessageFormat.h"
#include "res/StringIds.h"
#include "res/StringTable.h"

namespace enginepages {

QString InvalidAddressPage(const QString& text) {
    const QString title = res::loadString(sid::CannotOpenAddressTitle).toHtmlEscaped();
    const QString line =
        res::formatString(sid::CannotOpenAddressPage, {{QStringLiteral("%address%"), text}})
            .toHtmlEscaped();
    return QStringLiteral("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>") + title +
           QStringLiteral("</title></head><body style=\"font-family:sans-serif;margin:2em\">"
                          "<h2>") +
           title + QStringLiteral("</h2><p>") + line + QStringLiteral("</p></body></html>");
}

} // namespace enginepages
