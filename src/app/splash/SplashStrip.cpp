#include "app/splash/SplashStrip.h"

#include <algorithm>

SplashStrip::SplashStrip(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)) {}

void SplashStrip::Tick() {
    x_ += step_;
    if (x_ >= kBandRight || x_ + width_ < kBandLeft)
        step_ = -step_;
}

SplashStrip::Span SplashStrip::Visible() const {
    const int left = std::max(x_, kBandLeft);
    const int right = std::min(x_ + width_, kBandRight);
    if (right <= left)
        return {};
    return {left, left - x_, right - left};
}
