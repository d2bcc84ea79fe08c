#pragma once

#include "platform/os/RenderingPath.h"

// Sets the process up for path. Call before the application object exists:
// the graphics interface of the page views and the window system's OpenGL
// support are chosen when it is made. Software keeps the OpenGL driver
// stack from ever loading; Hardware shares one OpenGL context between the
// page views of all windows.
void PrepareRendering(platform::RenderingPath path);

// Call once the application object exists: undoes what PrepareRendering
// changed in the environment only for this process's own start-up, so
// programs started from here choose their own path.
void FinishRenderingSetup();

// Whether PrepareRendering chose software: page views are then plain widgets
// to their window, which needs no OpenGL surface made ready for them.
bool RenderingInSoftware();
