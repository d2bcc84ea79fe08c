#include "app/splash/SplashWindow.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr std::uint32_t kEscapeKeysym = 0xff1b;

// src over dst, both premultiplied 0xAARRGGBB; the result is opaque.
std::uint32_t over(std::uint32_t src, std::uint32_t dst) {
    const std::uint32_t alpha = src >> 24;
    if (alpha == 255)
        return src;
    const std::uint32_t keep = 255 - alpha;
    std::uint32_t out = 0xff000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t s = (src >> shift) & 0xff;
        const std::uint32_t d = (dst >> shift) & 0xff;
        out |= std::min<std::uint32_t>(255, s + (d * keep + 127) / 255) << shift;
    }
    return out;
}

} // namespace

SplashWindow::SplashWindow(const splash::Picture& background, const splash::Picture& strip)
    : m_background(background), m_strip(strip), m_motion(strip.width, strip.height) {}

SplashWindow::~SplashWindow() {
    if (!m_connection)
        return;
    if (m_window)
        xcb_destroy_window(m_connection, m_window);
    xcb_flush(m_connection);
    xcb_disconnect(m_connection);
}

bool SplashWindow::Open() {
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        return false;
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    m_screen = it.data;
    if (!m_screen || !matchesVisual())
        return false;

    const int width = m_background.width;
    const int height = m_background.height;
    m_window = xcb_generate_id(m_connection);
    // Not managed by the window manager: a managed splash is placed, focused
    // and stacked by it, and the main window that appears under it waits
    // for that; this one keeps itself on top (see MapNotify).
    const std::uint32_t values[] = {
        m_screen->black_pixel, 1,
        XCB_EVENT_MASK_EXPOSURE | XCB_EVENT_MASK_BUTTON_PRESS | XCB_EVENT_MASK_KEY_PRESS};
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, m_screen->root,
                      static_cast<std::int16_t>((m_screen->width_in_pixels - width) / 2),
                      static_cast<std::int16_t>((m_screen->height_in_pixels - height) / 2),
                      static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, m_screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT | XCB_CW_EVENT_MASK, values);
    setProperties();
    m_gc = xcb_generate_id(m_connection);
    xcb_create_gc(m_connection, m_gc, m_window, 0, nullptr);
    uploadBackground();
    // Windows mapped after this one (the main window) stay below it.
    const std::uint32_t rootMask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(m_connection, m_screen->root, XCB_CW_EVENT_MASK, &rootMask);
    xcb_map_window(m_connection, m_window);
    xcb_flush(m_connection);
    return !xcb_connection_has_error(m_connection);
}

// The pictures are 32-bit pixels in the server's own order: a true-colour
// visual of depth 24 or 32 with 8 bits per colour.
bool SplashWindow::matchesVisual() const {
    if (m_screen->root_depth != 24 && m_screen->root_depth != 32)
        return false;
    for (xcb_depth_iterator_t d = xcb_screen_allowed_depths_iterator(m_screen); d.rem;
         xcb_depth_next(&d)) {
        for (xcb_visualtype_iterator_t v = xcb_depth_visuals_iterator(d.data); v.rem;
             xcb_visualtype_next(&v)) {
            if (v.data->visual_id != m_screen->root_visual)
                continue;
            return v.data->_class == XCB_VISUAL_CLASS_TRUE_COLOR &&
                   v.data->red_mask == 0xff0000 && v.data->green_mask == 0xff00 &&
                   v.data->blue_mask == 0xff;
        }
    }
    return false;
}

xcb_atom_t SplashWindow::atom(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        m_connection,
        xcb_intern_atom(m_connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr);
    const xcb_atom_t result = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return result;
}

void SplashWindow::setProperties() {
    const auto set = [this](xcb_atom_t property, xcb_atom_t type, int format, std::size_t count,
                            const void* data) {
        xcb_change_property(m_connection, XCB_PROP_MODE_REPLACE, m_window, property, type,
                            static_cast<std::uint8_t>(format), static_cast<std::uint32_t>(count),
                            data);
    };
    const std::string caption = "Quorrelin";
    set(XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8, caption.size(), caption.data());
    set(atom("_NET_WM_NAME"), atom("UTF8_STRING"), 8, caption.size(), caption.data());
    static constexpr char kClass[] = "quorrelin-splash\0Quorrelin";
    set(XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8, sizeof kClass, kClass);
    // For compositors, which give splash windows effects of their own.
    const xcb_atom_t type = atom("_NET_WM_WINDOW_TYPE_SPLASH");
    set(atom("_NET_WM_WINDOW_TYPE"), XCB_ATOM_ATOM, 32, 1, &type);
}

// The background goes to the server once, in pieces that fit a request;
// every later repaint copies from there.
void SplashWindow::uploadBackground() {
    const int width = m_background.width;
    const int height = m_background.height;
    m_backgroundPixmap = xcb_generate_id(m_connection);
    xcb_create_pixmap(m_connection, m_screen->root_depth, m_backgroundPixmap, m_window,
                      static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height));
    const std::uint32_t maxBytes = xcb_get_maximum_request_length(m_connection) * 4u - 64u;
    const int rowsPerRequest =
        std::max(1, static_cast<int>(maxBytes / (static_cast<std::uint32_t>(width) * 4u)));
    for (int row = 0; row < height; row += rowsPerRequest) {
        const int rows = std::min(rowsPerRequest, height - row);
        xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_backgroundPixmap, m_gc,
                      static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(rows), 0,
                      static_cast<std::int16_t>(row), 0, m_screen->root_depth,
                      static_cast<std::uint32_t>(width * rows * 4),
                      reinterpret_cast<const std::uint8_t*>(m_background.pixels + row * width));
    }
}

int SplashWindow::Descriptor() const { return xcb_get_file_descriptor(m_connection); }

void SplashWindow::restoreBackground(int x, int width) {
    if (width <= 0)
        return;
    xcb_copy_area(m_connection, m_backgroundPixmap, m_window, m_gc, static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(m_motion.Y()), static_cast<std::int16_t>(x),
                  static_cast<std::int16_t>(m_motion.Y()), static_cast<std::uint16_t>(width),
                  static_cast<std::uint16_t>(m_motion.Height()));
}

// The visible part of the strip, blended over the background beneath it.
void SplashWindow::drawStrip() {
    const SplashStrip::Span span = m_motion.Visible();
    const int y0 = m_motion.Y();
    if (span.width <= 0 || y0 < 0 || y0 + m_motion.Height() > m_background.height)
        return;
    m_band.resize(static_cast<std::size_t>(span.width * m_motion.Height()));
    for (int row = 0; row < m_motion.Height(); ++row) {
        const std::uint32_t* under = m_background.pixels + (y0 + row) * m_background.width + span.x;
        const std::uint32_t* strip = m_strip.pixels + row * m_strip.width + span.sourceX;
        for (int col = 0; col < span.width; ++col)
            m_band[static_cast<std::size_t>(row * span.width + col)] = over(strip[col], under[col]);
    }
    xcb_put_image(m_connection, XCB_IMAGE_FORMAT_Z_PIXMAP, m_window, m_gc,
                  static_cast<std::uint16_t>(span.width),
                  static_cast<std::uint16_t>(m_motion.Height()), static_cast<std::int16_t>(span.x),
                  static_cast<std::int16_t>(y0), 0, m_screen->root_depth,
                  static_cast<std::uint32_t>(m_band.size() * 4),
                  reinterpret_cast<const std::uint8_t*>(m_band.data()));
}

void SplashWindow::Tick() {
    const SplashStrip::Span before = m_motion.Visible();
    restoreBackground(before.x, before.width);
    m_motion.Tick();
    drawStrip();
    xcb_flush(m_connection);
}

bool SplashWindow::isEscape(xcb_keycode_t key) {
    xcb_get_keyboard_mapping_reply_t* reply = xcb_get_keyboard_mapping_reply(
        m_connection, xcb_get_keyboard_mapping(m_connection, key, 1), nullptr);
    if (!reply)
        return false;
    const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(reply);
    const int count = xcb_get_keyboard_mapping_keysyms_length(reply);
    const bool escape = std::find(syms, syms + count, kEscapeKeysym) != syms + count;
    std::free(reply);
    return escape;
}

bool SplashWindow::HandleEvents() {
    bool open = true;
    while (xcb_generic_event_t* event = xcb_poll_for_event(m_connection)) {
        switch (event->response_type & 0x7f) {
        case XCB_EXPOSE: {
            const auto* expose = reinterpret_cast<xcb_expose_event_t*>(event);
            xcb_copy_area(m_connection, m_backgroundPixmap, m_window, m_gc,
                          static_cast<std::int16_t>(expose->x), static_cast<std::int16_t>(expose->y),
                          static_cast<std::int16_t>(expose->x), static_cast<std::int16_t>(expose->y),
                          expose->width, expose->height);
            if (expose->count == 0)
                drawStrip();
            break;
        }
        case XCB_BUTTON_PRESS:
            if (reinterpret_cast<xcb_button_press_event_t*>(event)->detail == 1)
                open = false;
            break;
        case XCB_KEY_PRESS:
            if (isEscape(reinterpret_cast<xcb_key_press_event_t*>(event)->detail))
                open = false;
            break;
        case XCB_MAP_NOTIFY:
            if (reinterpret_cast<xcb_map_notify_event_t*>(event)->window != m_window) {
                const std::uint32_t stack = XCB_STACK_MODE_ABOVE;
                xcb_configure_window(m_connection, m_window, XCB_CONFIG_WINDOW_STACK_MODE, &stack);
            }
            break;
        default:
            break;
        }
        std::free(event);
    }
    xcb_flush(m_connection);
    return open && !xcb_connection_has_error(m_connection);
}
