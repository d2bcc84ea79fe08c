#pragma once

#include <functional>
#include <optional>
#include <string>

// Which windowing platform the program asks Qt for before it starts.
//
// The second engine's pages are X windows embedded into the program's
// windows, which works only when those are X windows too. Under a Wayland
// session the program therefore runs through XWayland when the second engine
// can be used; otherwise Qt's own choice stands. A platform the user named
// (QT_QPA_PLATFORM) always wins.
struct DisplayEnvironment {
    std::string waylandDisplay; // WAYLAND_DISPLAY
    std::string x11Display;     // DISPLAY
    std::string qpaPlatform;    // QT_QPA_PLATFORM
    std::string sessionType;    // XDG_SESSION_TYPE

    // The process's environment.
    static DisplayEnvironment current();
};

// "xcb" when the program should run through XWayland, nothing when Qt
// chooses. secondEngineAvailable is asked only under a Wayland session with
// an X display beside it (it reads the store).
std::optional<std::string>
ChooseDisplayPlatform(const DisplayEnvironment& environment,
                      const std::function<bool()>& secondEngineAvailable);

// Sets QT_QPA_PLATFORM for the choice above; call before QApplication.
void ApplyDisplayPlatformChoice();
