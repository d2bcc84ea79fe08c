#pragma once

class QWidget;

// Readies window, before its native window is made, for the widgets that
// draw through the graphics interface (the web engine's page views). Without
// it the native window is made for plain drawing and then made anew when
// the first page view arrives: the window's id changes, and on a desktop it
// flickers and may jump. Does nothing once the native window exists.
void PrepareForEngineSurface(QWidget& window);
