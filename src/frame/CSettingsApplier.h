#pragma once

#include <functional>

class CAppSettings;
class CMainFrame;

// Applies the settings record to the running main window, one category at a
// time (the categories of CMainFrame::ApplySettings): 0 the address bar
// (completion and the Go button), 1 the window bar (style, width, the tab
// buttons, and the active window's tab made current again), 4 the search
// hook (registered or unregistered by SearchHook when that is not -1).
// Other categories have nothing to apply. Does not save.
class CSettingsApplier {
public:
    // Registers (true) or unregisters (false) the search hook library.
    using SearchHookRegistrar = std::function<void(bool enable)>;

    // frame and settings must outlive this.
    CSettingsApplier(CMainFrame& frame, CAppSettings& settings);

    void Apply(int category);

    // What category 4 calls; by default the library in the program's
    // plug-in folder registers or unregisters itself.
    void SetSearchHookRegistrar(SearchHookRegistrar registrar) {
        m_registrar = std::move(registrar);
    }

private:
    CMainFrame& m_frame;
    CAppSettings& m_settings;
    SearchHookRegistrar m_registrar;
};
