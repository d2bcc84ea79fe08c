#include "browser/CBrowserView.h"

#include "browser/engine/CWebEngine.h"
#include "browser/engine/CWebKitEngine.h"
#include "browser/engine/EnginePlugin.h"

std::unique_ptr<IBrowserEngine> CBrowserView::createDefaultEngine(int engineKind, QWidget* parent) {
    if (engineKind != 1)
        return std::make_unique<CWebEngine>(parent);
    // The second engine comes from its registered plug-in, when it loads.
    const EnginePlugin* plugin = EnginePlugin::Load();
    if (!plugin)
        return nullptr;
    return std::make_unique<CWebKitEngine>(*plugin, parent);
}
