#pragma once

#include <QPainter>

namespace res::toolbar {

// Draws toolbar picture index (0..32, the order of ToolbarImages::Index) on
// an 18 x 18 logical area at the painter's origin. Other indexes draw nothing
// and return false.
bool draw(QPainter& p, int index);

} // namespace res::toolbar
