#include "app/DisplayPlatform.h"

#include "system/MozillaControl.h"

#include <cstdlib>

namespace {

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

} // namespace

DisplayEnvironment DisplayEnvironment::current() {
    return {variable("WAYLAND_DISPLAY"), variable("DISPLAY"), variable("QT_QPA_PLATFORM"),
            variable("XDG_SESSION_TYPE")};
}

std::optional<std::string>
ChooseDisplayPlatform(const DisplayEnvironment& environment,
                      const std::function<bool()>& secondEngineAvailable) {
    if (!environment.qpaPlatform.empty())
        return std::nullopt;
    const bool wayland =
        !environment.waylandDisplay.empty() || environment.sessionType == "wayland";
    // Without an X server beside the compositor there is nothing to run
    // through; the second engine then reports that it cannot start.
    if (!wayland || environment.x11Display.empty())
        return std::nullopt;
    if (!secondEngineAvailable || !secondEngineAvailable())
        return std::nullopt;
    return std::string("xcb");
}

void ApplyDisplayPlatformChoice() {
    const std::optional<std::string> platform = ChooseDisplayPlatform(
        DisplayEnvironment::current(), [] { return IsMozillaControlAvailable(); });
    if (platform)
        setenv("QT_QPA_PLATFORM", platform->c_str(), 1);
}
