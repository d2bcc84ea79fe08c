#include "browser/CMozillaView.h"

CMozillaView::CMozillaView(IBrowserViewHost& host, CBrowserDoc& document, QWidget* parent)
    : CBrowserView(host, document, kEngineKind, parent) {}
