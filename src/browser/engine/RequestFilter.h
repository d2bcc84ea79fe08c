#pragma once

#include <QUrl>

#include <cstdint>

// What a page asks to load, as far as the download-control flags care.
enum class RequestKind {
    Document, // a top-level page or a frame
    Image,
    Media,  // video or sound
    Object, // an <object>/<embed> plug-in or what a plug-in loads
    Other,  // scripts, style sheets, fonts, data requests, ...
};

// Whether a request of kind for url is refused under the download-control
// flags (dlctl:: bits) and the offline state:
// - offline: every network request (http, https, ftp, ws, wss) is refused;
// - images load only with dlctl::Images;
// - media whose file name ends like a sound file (.mp3, .wav, .ogg, .mid, ...)
//   load only with dlctl::BackgroundSounds, all other media only with
//   dlctl::Videos;
// - objects whose file name ends in .jar or .class are Java and refused
//   with dlctl::NoJava, all other objects are refused with dlctl::NoActiveX.
// Scripts are switched off in the page settings, not here.
bool RequestBlocked(std::uint32_t flags, RequestKind kind, const QUrl& url, bool offline);

// Whether url reaches the network (http, https, ftp, ws, wss).
bool IsNetworkUrl(const QUrl& url);
