#include "browser/CBrowserView.h"

#include "browser/engine/CWebEngine.h"

std::unique_ptr<IBrowserEngine> CBrowserView::createDefaultEngine(int engineKind, QWidget* parent) {
    // The second engine is a plug-in that no installation provides yet.
    if (engineKind == 1)
        return nullptr;
    return std::make_unique<CWebEngine>(parent);
}
