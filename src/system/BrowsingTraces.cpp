#include "system/BrowsingTraces.h"

#include "app/CAppSettings.h"
#include "frame/ClosedWindowsMenu.h"

namespace {

void run(const std::function<void()>& cleaner) {
    if (cleaner)
        cleaner();
}

} // namespace

bool ClearBrowsingTraces(unsigned bits, CAppSettings& settings,
                         const BrowsingTraceCleaners& cleaners) {
    if (bits & clearbits::History) {
        run(cleaners.visitedLinks);
        run(cleaners.visitHistory);
    }
    if (bits & clearbits::TypedUrls)
        run(cleaners.typedAddresses);
    if (bits & clearbits::TemporaryFiles)
        run(cleaners.httpCache);
    bool listsChanged = clearClosedWindowsByOption(settings, bits);
    if (bits & clearbits::AutoCloseList) {
        settings.AutoClose.clear();
        listsChanged = true;
    }
    settings.ClearOption = static_cast<int>(bits);
    if (listsChanged)
        settings.Save();
    return listsChanged;
}
