#include "addressbar/AddressBarInput.h"

#include "quickcommands/QuickCommandTranslation.h"

std::optional<QString> CompleteAddress(const QString& text, bool ctrl) {
    QString address = text.trimmed();
    if (address.isEmpty())
        return std::nullopt;
    if (ctrl) {
        const QString lower = address.toLower();
        if (!lower.contains(QLatin1String("www.")) && !lower.contains(QLatin1String(".com")))
            address = QStringLiteral("www.") + address + QStringLiteral(".com");
    }
    return address;
}

AddressBarRequest ResolveAddressBarInput(const QString& text, bool ctrl,
                                         const QList<QuickCommand>& commands) {
    AddressBarRequest request;
    if (const std::optional<QString> url = TranslateQuickCommand(commands, text)) {
        request.text = *url;
        request.navigateTo = *url;
        return request;
    }
    request.text = CompleteAddress(text, ctrl);
    if (request.text) {
        request.navigateTo = *request.text;
        request.remember = true;
    }
    return request;
}
