#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace platform {
class Registry;
}

// Does with the registered URL search hooks what a browser does with text
// it cannot resolve: every hook named in the current user's URLSearchHooks
// key, in value order, is loaded from its InprocServer32 library and asked
// to translate the text; the first that does gives the address.
class SearchHookHost {
public:
    explicit SearchHookHost(platform::Registry* registry = nullptr) : registry_(registry) {}

    struct Translation {
        QString url;
        QString library; // of the hook that translated
    };
    // The address of the first hook that translates text; nullopt when none
    // does (also when none is registered or none loads).
    std::optional<Translation> Translate(const QString& text);

    struct Hook {
        QString clsid;
        QString library;
    };
    // The registered hooks with a library path, in value order.
    std::vector<Hook> RegisteredHooks() const;

private:
    // Asks the hook with class id clsid in library; nullopt when it cannot
    // be loaded or does not translate.
    static std::optional<QString> TranslateWith(const QString& library, const QString& clsid,
                                                const QString& text);

    platform::Registry* registry_;
};
