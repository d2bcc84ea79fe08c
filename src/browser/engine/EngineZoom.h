#pragma once

// Text size levels of a page (0 smallest .. 4 largest, 2 medium) and the
// zoom factor each one shows the page at.
namespace enginezoom {

inline constexpr int kLevelCount = 5;
inline constexpr int kMediumLevel = 2;

// Whether level is one of the five levels.
constexpr bool IsLevel(int level) {
    return level >= 0 && level < kLevelCount;
}

// 0.7, 0.85, 1.0, 1.2, 1.4 for levels 0..4; 1.0 for anything else.
constexpr double FactorForLevel(int level) {
    constexpr double factors[kLevelCount] = {0.7, 0.85, 1.0, 1.2, 1.4};
    return IsLevel(level) ? factors[level] : 1.0;
}

} // namespace enginezoom
