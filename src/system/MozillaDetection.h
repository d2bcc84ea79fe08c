#pragma once

#include <QString>

#include <functional>
#include <optional>

namespace platform {
class Registry;
}

// File names of the second engine's plug-in library; a folder holding
// either can register the engine.
inline constexpr char16_t kMozillaControlFile[] = u"mozctlx.so";
inline constexpr char16_t kMozillaControlOtherFile[] = u"mozctl.so";

// Whether folder holds one of the plug-in's file names.
bool FolderHasMozillaControl(const QString& folder);

// Registers the engine from a folder: loads folder/mozctlx.so (else
// folder/mozctl.so) and calls its DllRegisterServer. False when neither
// loads, the export is missing or it fails.
bool RegisterMozillaControlFrom(const QString& folder);

struct MozillaDetection {
    bool found = false;
    bool cancelled = false;
    QString displayName; // e.g. "WebKitGTK 2.50.6" or "Mozilla 1.4"
};

// Finds an engine and registers it, trying each step only while nothing
// was found:
//   0. the program's own plug-in folder; the name is the one the plug-in
//      registered as its class key's default value ("WebKitGTK" when none);
//   1. the Gecko runtime (HKEY_LOCAL_MACHINE "SOFTWARE\mozilla.org\GRE": the
//      first version's "Install Directory"); found only when
//      "SOFTWARE\mozilla.org\Mozilla" has a subkey V, named "Mozilla V";
//   2. the product keys "Software\Mozilla\Seamonkey",
//      "Software\Netscape\Netscape 6", "Software\Mozilla\Mozilla Seamonkey" with their
//      "CurrentVersion" V and "Install Directory" of K\V\Main, named by the
//      key's last component and V ("Mozilla V" for Seamonkey ones);
//   3. a folder the user chooses ("Unknown version of Mozilla or Netscape");
//      cancelling sets cancelled.
class MozillaDetector {
public:
    using RegisterFrom = std::function<bool(const QString& folder)>;
    // The chosen folder; nullopt when the user cancels.
    using ChooseFolder = std::function<std::optional<QString>()>;

    MozillaDetector(QString pluginFolder, ChooseFolder chooseFolder,
                    RegisterFrom registerFrom = RegisterMozillaControlFrom,
                    platform::Registry* registry = nullptr);

    MozillaDetection Detect();

private:
    std::optional<QString> fromPluginFolder();
    std::optional<QString> fromGeckoRuntime();
    std::optional<QString> fromProductKeys();

    QString pluginFolder_;
    ChooseFolder chooseFolder_;
    RegisterFrom registerFrom_;
    platform::Registry* registry_;
};
