#pragma once

#include <QColor>

// The one palette every drawn image takes its colours from, so that toolbar,
// tab, menu and button pictures look like one family.
namespace res {

// A fill colour and the darker outline drawn around it.
struct Tone {
    QColor fill;
    QColor line;
};

namespace tone {
inline Tone paper() { return {QColor(0xFFFFFF), QColor(0x64748B)}; }
inline Tone paperShade() { return {QColor(0xE2E8F0), QColor(0x64748B)}; }
inline Tone blue() { return {QColor(0x3B82F6), QColor(0x1E40AF)}; }
inline Tone sky() { return {QColor(0x7DD3FC), QColor(0x0369A1)}; }
inline Tone teal() { return {QColor(0x14B8A6), QColor(0x0F766E)}; }
inline Tone green() { return {QColor(0x22C55E), QColor(0x15803D)}; }
inline Tone red() { return {QColor(0xEF4444), QColor(0xB91C1C)}; }
inline Tone amber() { return {QColor(0xFBBF24), QColor(0xB45309)}; }
inline Tone folderBack() { return {QColor(0xF59E0B), QColor(0xB45309)}; }
inline Tone folderFront() { return {QColor(0xFCD34D), QColor(0xB45309)}; }
inline Tone slate() { return {QColor(0x94A3B8), QColor(0x334155)}; }
inline Tone steel() { return {QColor(0xCBD5E1), QColor(0x475569)}; }
inline Tone wood() { return {QColor(0xD6A66B), QColor(0x8A5A2B)}; }
inline Tone violet() { return {QColor(0xA78BFA), QColor(0x6D28D9)}; }
} // namespace tone

namespace colour {
inline QColor ink() { return QColor(0x334155); }
inline QColor textLine() { return QColor(0xB6C2D1); }
inline QColor white() { return QColor(0xFFFFFF); }
} // namespace colour

} // namespace res
