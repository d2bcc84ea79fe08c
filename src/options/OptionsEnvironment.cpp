#include "options/OptionsEnvironment.h"

#include "system/DefaultBrowser.h"
#include "system/IeSettings.h"
#include "system/MozillaControl.h"
#include "system/SearchHookState.h"

OptionsEnvironment OptionsEnvironment::System() {
    OptionsEnvironment environment;
    environment.homePage = [] { return readIeStartPage(); };
    environment.mozillaAvailable = [] { return IsMozillaControlAvailable(); };
    environment.searchHookState = [] { return SearchHookState(); };
    environment.makeDefaultBrowser = [] { DefaultBrowser().makeDefault(); };
    return environment;
}
