#pragma once

#include "framework/CommandTarget.h"

class CAppSettings;
class QWidget;

// Always on top (33807, Ctrl+T): flips AlwaysOnTop and keeps the main
// window above all others while it is set. The command decides by the
// setting, so its check mark always shows the setting. Start-up applies a
// stored setting with SetTopmost.
class CAlwaysOnTop : public CommandTarget {
public:
    CAlwaysOnTop(QWidget& frame, CAppSettings& settings);

    // Puts the window into the topmost band or out of it, keeping its place,
    // size, state and native window; a visible window stays visible.
    static void SetTopmost(QWidget& frame, bool topmost);

private:
    QWidget& m_frame;
    CAppSettings& m_settings;
};
