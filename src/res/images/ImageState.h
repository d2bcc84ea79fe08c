#pragma once

namespace res {

// How a drawn image is shown: at rest, under the mouse, held down, or
// unavailable.
enum class ImageState { Normal, Hot, Pressed, Disabled };

} // namespace res
