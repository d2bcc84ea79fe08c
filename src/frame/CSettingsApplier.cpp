#include "frame/CSettingsApplier.h"

#include "addressbar/CAddressBar.h"
#include "app/CAppSettings.h"
#include "frame/CMainFrame.h"
#include "frame/CWindowBar.h"
#include "frame/WindowBarLayout.h"
#include "system/SearchHookState.h"

CSettingsApplier::CSettingsApplier(CMainFrame& frame, CAppSettings& settings)
    : m_frame(frame), m_settings(settings),
      // Failures stay silent: the check box shows the real state next time.
      m_registrar([](bool enable) { ApplySearchHookState(enable ? 1 : 0); }) {}

void CSettingsApplier::Apply(int category) {
    switch (category) {
    case 0:
        if (CAddressBar* address = m_frame.AddressBar()) {
            address->SetAutoComplete(m_settings.AutoComplete != 0);
            address->UpdateLayout();
            address->updateGeometry();
        }
        break;
    case 1:
        if (CWindowBar* bar = m_frame.WindowBar()) {
            bar->setOptions(WindowBarOptions::fromSettings(m_settings));
            if (CBrowserView* active = m_frame.ActiveView())
                m_frame.WindowBarTabs().select(active);
        }
        break;
    case 4:
        if (m_settings.SearchHook >= 0 && m_registrar)
            m_registrar(m_settings.SearchHook == 1);
        break;
    default:
        break;
    }
}
