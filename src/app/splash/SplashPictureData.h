#pragma once

#include <cstdint>

// The splash pictures, rendered at build time into the splash program so it
// needs no files and no image library: pixels row by row, premultiplied
// 0xAARRGGBB. The background carries the version text already.
namespace splash {

struct Picture {
    int width;
    int height;
    const std::uint32_t* pixels;
};

extern const Picture kBackground;
extern const Picture kStrip;

} // namespace splash
