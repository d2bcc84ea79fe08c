#pragma once

#include "app/splash/SplashPictureData.h"
#include "app/splash/SplashStrip.h"

#include <xcb/xcb.h>

#include <cstdint>
#include <vector>

// The splash window on the X server: the background picture centred on the
// screen with the strip sliding across it. Borderless and outside the window
// manager's care, it stays above the windows mapped after it (the main
// window); a left click or Escape (while it has the keyboard) closes it.
// One thread, no toolkit.
class SplashWindow {
public:
    SplashWindow(const splash::Picture& background, const splash::Picture& strip);
    ~SplashWindow();
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;

    // Connects to the display and shows the window. False when there is no
    // usable display (no splash then).
    bool Open();
    // The connection's descriptor, to wait on with others.
    int Descriptor() const;
    // Handles what the server sent. False once the user closed the window.
    bool HandleEvents();
    // One tick of the animation.
    void Tick();

private:
    bool matchesVisual() const;
    void setProperties();
    void uploadBackground();
    void drawStrip();
    void restoreBackground(int x, int width);
    bool isEscape(xcb_keycode_t key);
    xcb_atom_t atom(const char* name);

    const splash::Picture& m_background;
    const splash::Picture& m_strip;
    SplashStrip m_motion;
    xcb_connection_t* m_connection = nullptr;
    xcb_screen_t* m_screen = nullptr;
    xcb_window_t m_window = 0;
    xcb_pixmap_t m_backgroundPixmap = 0;
    xcb_gcontext_t m_gc = 0;
    std::vector<std::uint32_t> m_band; // the strip over the background, one tick
};
